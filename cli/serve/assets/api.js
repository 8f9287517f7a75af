// The server's API. Changes are POSTs carrying this session's anti-forgery
// header; the snapshots of the crawl come on one event stream.

let session = null;

async function sessionInfo() {
  if (!session) {
    const res = await fetch('/api/session', {credentials: 'same-origin'});
    if (!res.ok) throw new Error('this window has no session; open the address zelmora serve printed');
    session = await res.json();
  }
  return session;
}

async function answer(res) {
  const type = res.headers.get('Content-Type') || '';
  const body = type.startsWith('application/json') ? await res.json() : {error: await res.text()};
  if (!res.ok) throw new Error(body.error || `${res.status} ${res.statusText}`);
  return body;
}

export async function get(path, params = {}) {
  const query = new URLSearchParams();
  for (const [k, v] of Object.entries(params)) if (v !== undefined && v !== null && v !== '') query.set(k, v);
  const qs = query.toString();
  return answer(await fetch(qs ? `${path}?${qs}` : path, {credentials: 'same-origin'}));
}

async function postRaw(path, body) {
  const s = await sessionInfo();
  return fetch(path, {
    method: 'POST',
    credentials: 'same-origin',
    headers: {'Content-Type': 'application/json', [s.header]: s.antiForgery},
    body: JSON.stringify(body ?? {}),
  });
}

export async function post(path, body) {
  return answer(await postRaw(path, body));
}

// A POST whose answer is a file to save.
export async function postForFile(path, body, name) {
  const res = await postRaw(path, body);
  if (!res.ok) return answer(res);
  const url = URL.createObjectURL(await res.blob());
  const a = document.createElement('a');
  a.href = url;
  a.download = name;
  document.body.append(a);
  a.click();
  a.remove();
  setTimeout(() => URL.revokeObjectURL(url), 10000);
  return {ok: true};
}

// Calls onSnapshot with each snapshot; the browser reconnects a dropped stream.
export function watchSnapshots(onSnapshot, onTrouble) {
  const source = new EventSource('/api/events');
  source.onmessage = (e) => onSnapshot(JSON.parse(e.data));
  source.onerror = () => onTrouble && onTrouble();
  return source;
}

export {sessionInfo};

// The window: tabs by kind of finding, each with filters and live counts, the
// table of URLs, the overview and the lower pane, driven by the snapshots the
// server sends at most four times a second.
import {el, clear, byId, formatNumber, formatSeconds} from './dom.js';
import {get, post, sessionInfo, watchSnapshots} from './api.js';
import {VirtualTable} from './table.js';
import {DetailPane} from './detail.js';
import {Overview} from './overview.js';
import {CrawlForm} from './form.js';
import {OpenDialog, CompareDialog} from './dialogs.js';

const root = document.documentElement;
const app = {
  layout: null, snapshot: {}, tab: 'internal', filters: {}, sorts: {}, search: '',
  generation: -1, tableVersion: -1, localMessageUntil: 0,
};

function say(text, isError = false) {
  const node = byId('message');
  node.textContent = text;
  node.classList.toggle('error', isError);
  app.localMessageUntil = text ? Date.now() + 6000 : 0;
}

async function act(path, body, doing) {
  try {
    await post(path, body);
    if (doing) say(doing);
  } catch (e) {
    say(e.message, true);
  }
}

function tabDef(id) { return app.layout.tabs.find((t) => t.id === id); }

function view() {
  const tab = tabDef(app.tab);
  const sort = app.sorts[app.tab] || {sort: '', desc: false};
  return {tab: app.tab, filter: app.filters[app.tab] || tab.filters[0].id, search: app.search,
          sort: sort.sort, desc: sort.desc, columnIds: tab.columns};
}

function showTab(id, filter) {
  app.tab = id;
  if (filter) app.filters[id] = filter;
  for (const b of byId('tabs').children) b.setAttribute('aria-selected', String(b.dataset.tab === id));
  drawFilters();
  app.table.setView(view(), app.layout.columns);
  root.dataset.tab = id;
  root.dataset.filter = view().filter;
}

const PRIORITY_RANK = {high: 0, medium: 1, low: 2};

// The Issues tab lists the types that occurred, higher priority first, then
// more addresses first; each count is the audit's (as every export gives it).
function issueFilters(tab, counts) {
  const audit = app.snapshot.audit;
  const found = (audit && audit.counts) || {};
  const types = tab.filters.slice(1).filter((f) => found[f.id] || f.id === view().filter);
  types.sort((a, b) => PRIORITY_RANK[a.priority] - PRIORITY_RANK[b.priority] || (found[b.id] || 0) - (found[a.id] || 0));
  return [{...tab.filters[0], n: counts[tab.filters[0].id] ?? 0},
          ...types.map((f) => ({...f, n: found[f.id] || 0}))];
}

function drawFilters() {
  const list = clear(byId('filter-list'));
  const counts = (app.snapshot.filters || {})[app.tab] || {};
  const active = view().filter;
  const tab = tabDef(app.tab);
  const filters = app.tab === 'issues' ? issueFilters(tab, counts)
    : tab.filters.map((f) => ({...f, n: counts[f.id] ?? 0}));
  for (const f of filters) {
    const label = f.priority ? [el('span', {className: 'priority ' + f.priority}, f.priority), ' ', f.label] : [f.label];
    list.append(el('li', {className: (f.id === active ? 'active' : '') + (f.priority ? ' issue' : ''),
                          dataset: {filter: f.id}, title: f.fix || '', onclick: () => showTab(app.tab, f.id)},
                   el('span', {}, ...label), el('span', {className: 'n'}, formatNumber(f.n))));
  }
  drawIssueInfo();
}

// Above the Issues tab's table: what the chosen type means, how to fix it, and
// its addresses that have no row (a sitemap's orphans).
let issueInfoFor = '';
async function drawIssueInfo() {
  const box = byId('issue-info');
  const audit = app.snapshot.audit;
  if (app.tab !== 'issues' && app.tab !== 'indexability') {
    box.hidden = true;
    issueInfoFor = '';
    return;
  }
  box.hidden = false;
  if (!audit) {
    issueInfoFor = '';
    clear(box).append(el('p', {}, app.snapshot.source?.kind === 'live'
      ? 'The site audit runs when the crawl ends.' : 'This crawl was saved without the site audit.'));
    return;
  }
  const filter = view().filter;
  const key = `${app.snapshot.generation}/${app.tab}/${filter}`;
  if (key === issueInfoFor) return;
  issueInfoFor = key;
  if (app.tab === 'indexability') {
    clear(box).append(el('p', {}, `${formatNumber(audit.indexable)} of ${formatNumber(audit.pages)} pages of the site can be indexed.`));
    return;
  }
  const type = tabDef('issues').filters.find((f) => f.id === filter);
  if (!type || !type.priority) {
    clear(box).append(el('p', {}, 'Pick an issue type to see its pages, what it means and how to fix it.'));
    return;
  }
  const count = audit.counts[type.id] || 0;
  const rows = ((app.snapshot.filters || {}).issues || {})[type.id] || 0;
  const parts = [el('p', {}, el('b', {}, type.id), ' ', el('span', {className: 'priority ' + type.priority}, type.priority),
                        ' ', type.kind, ' — ', type.label),
                 el('p', {className: 'fix'}, 'How to fix: ' + type.fix)];
  clear(box).append(...parts);
  if (count <= rows) return;
  try {
    const others = await get('/api/issue', {id: type.id});
    if (issueInfoFor !== key) return;
    box.append(el('p', {}, `${formatNumber(others.total)} of its addresses are not URLs of this crawl:`),
               el('ul', {className: 'unrecorded'}, ...others.items.map((i) => el('li', {}, i.url, i.detail ? ` — ${i.detail}` : ''))));
  } catch (e) {
    box.append(el('p', {className: 'error'}, e.message));
  }
}

function drawTabCounts() {
  const filters = app.snapshot.filters || {};
  for (const b of byId('tabs').children) {
    const tab = tabDef(b.dataset.tab);
    b.querySelector('.n').textContent = formatNumber((filters[tab.id] || {})[tab.filters[0].id] ?? 0);
  }
}

function onSnapshot(s) {
  app.snapshot = s;
  if (s.generation !== app.generation) app.localMessageUntil = 0;  // the server's word on the new crawl
  const counts = s.counts || {};
  const state = byId('state');
  state.textContent = s.state;
  state.className = 'state ' + s.state;
  // The database by its name; the folder it is in only on hover.
  const where = byId('where');
  where.textContent = s.source.kind === 'database' ? `${s.source.start}  —  ${s.source.path.split('/').pop()}` : '';
  where.title = s.source.kind === 'database' ? s.source.path : '';
  for (const key of ['found', 'checked', 'pending', 'bad', 'pages'])
    byId('c-' + key).textContent = formatNumber(counts[key] ?? 0);
  byId('c-rate').textContent = formatNumber(s.rate ?? 0);
  byId('c-elapsed').textContent = formatSeconds(s.elapsed);
  if (Date.now() > app.localMessageUntil) {
    let text = s.message || '';
    if (!text && s.recheck) {
      const r = s.recheck;
      text = `Rechecked: ${r.fixed.length} fixed, ${r.stillBroken.length} still broken, ` +
             `${r.newlyBroken.length} newly broken, ${r.found.length} new URLs`;
    }
    byId('message').textContent = text;
    byId('message').classList.toggle('error', !!s.error);
  }
  const database = s.source.kind === 'database';
  byId('new-crawl').disabled = s.busy;
  byId('stop').disabled = !s.busy;
  byId('continue').disabled = s.busy || !(database && s.source.stopped);
  byId('recheck-bad').disabled = s.busy || !database || !counts.bad;
  byId('open').disabled = s.busy;
  byId('export').disabled = s.busy || !database;
  drawTabCounts();
  drawFilters();
  app.overview.render(s);
  if (s.generation !== app.generation) {
    app.generation = s.generation;
    app.tableVersion = s.tableVersion;
    app.table.setView(view(), app.layout.columns);
    app.detail.load(app.table.selectedId);
  } else if (s.tableVersion !== app.tableVersion) {
    app.tableVersion = s.tableVersion;
    app.table.refresh();
  }
  Object.assign(root.dataset, {state: s.state, generation: s.generation, busy: s.busy});
}

async function boot() {
  await sessionInfo();
  const [layout, form] = await Promise.all([get('/api/layout'), get('/api/form')]);
  app.layout = layout;
  const tabs = byId('tabs');
  for (const t of layout.tabs)
    tabs.append(el('button', {type: 'button', role: 'tab', dataset: {tab: t.id}, onclick: () => showTab(t.id)},
                   t.label, el('span', {className: 'n'})));
  app.detail = new DetailPane(say);
  app.table = new VirtualTable({head: byId('table-head'), viewport: byId('viewport'), spacer: byId('spacer'),
                                rows: byId('rows'), foot: byId('table-foot'),
                                onSelect: (id) => app.detail.load(id)});
  app.table.onViewChange = (v) => { app.sorts[app.tab] = {sort: v.sort, desc: v.desc}; };
  app.overview = new Overview(layout, (tab, filter) => showTab(tab, filter));
  app.form = new CrawlForm(form, () => say('Starting the crawl…'));
  const openDialog = new OpenDialog((path) => say('Opened ' + path));
  const compareDialog = new CompareDialog();

  byId('new-crawl').addEventListener('click', () => app.form.open());
  byId('stop').addEventListener('click', () => act('/api/stop', {}, 'Stopping; what was found is saved'));
  byId('continue').addEventListener('click', () => act('/api/continue', {}, 'Continuing the crawl…'));
  byId('recheck-bad').addEventListener('click', () => act('/api/recheck', {}, 'Rechecking every bad link…'));
  byId('open').addEventListener('click', () => openDialog.show(app.snapshot.named));
  byId('compare').addEventListener('click', () => compareDialog.show(app.snapshot.source?.path));
  const menu = byId('export-menu');
  for (const a of menu.querySelectorAll('a')) a.href = '/api/export/' + a.dataset.kind;
  byId('export').addEventListener('click', (e) => {
    e.stopPropagation();
    menu.hidden = !menu.hidden;
  });
  document.addEventListener('click', () => { menu.hidden = true; });
  let typing = 0;
  byId('search').addEventListener('input', (e) => {
    clearTimeout(typing);
    typing = setTimeout(() => {
      app.search = e.target.value.trim();
      app.table.setView(view(), app.layout.columns);
    }, 200);
  });
  // Up and down move the selection wherever the focus is, but in a field.
  document.addEventListener('keydown', (e) => {
    if (e.target.closest('input, textarea, select, dialog') || e.target === byId('viewport')) return;
    if (['ArrowUp', 'ArrowDown', 'Home', 'End'].includes(e.key)) app.table.onKey(e);
  });
  showTab('internal');
  watchSnapshots(onSnapshot, () => say('The connection to zelmora was lost; retrying…', true));
  root.dataset.ready = '1';
}

boot().catch((e) => say(e.message, true));

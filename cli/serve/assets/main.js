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

function drawFilters() {
  const list = clear(byId('filter-list'));
  const counts = (app.snapshot.filters || {})[app.tab] || {};
  const active = view().filter;
  for (const f of tabDef(app.tab).filters) {
    list.append(el('li', {className: f.id === active ? 'active' : '', dataset: {filter: f.id},
                          onclick: () => showTab(app.tab, f.id)},
                   el('span', {}, f.label), el('span', {className: 'n'}, formatNumber(counts[f.id] ?? 0))));
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

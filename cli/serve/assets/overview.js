// The overview pane: the counts grouped, a chart of statuses and one of depth.
// A click on a count shows those rows.
import {el, clear, svg, byId, formatNumber} from './dom.js';

const GROUPS = [
  ['Statuses', [['status', '2xx'], ['status', '3xx'], ['status', '4xx', true], ['status', '5xx', true],
                ['status', 'none', true], ['status', 'robots'], ['status', 'unchecked'], ['status', 'pending']]],
  ['Redirects', [['redirects', 'all'], ['redirects', 'chains', true], ['redirects', 'refresh']]],
  ['Titles and descriptions', [['titles', 'no-title', true], ['titles', 'dup-title', true], ['titles', 'long-title', true],
                               ['titles', 'no-desc', true], ['titles', 'dup-desc', true], ['titles', 'long-desc', true],
                               ['titles', 'short-desc', true]]],
  ['Content', [['headings', 'no-h1', true], ['headings', 'many-h1', true], ['headings', 'thin', true],
               ['headings', 'stuffed', true], ['images', 'no-alt', true], ['canonicals', 'elsewhere'],
               ['robots', 'noindex'], ['validation', 'errors', true], ['spelling', 'spelling', true]]],
];
const STATUS_BARS = [['2xx', '2xx', 's2'], ['3xx', '3xx', 's3'], ['4xx', '4xx', 's4'], ['5xx', '5xx', 's5'],
                     ['none', 'none', 's0'], ['robots', 'robots', 'sx'], ['unchecked', 'skip', 'sx']];

function barChart(node, bars, onClick) {
  clear(node);
  const width = 240, height = 130, top = 14, bottom = 18;
  const most = Math.max(1, ...bars.map((b) => b.value));
  const step = width / bars.length;
  bars.forEach((b, i) => {
    const h = Math.round(((height - top - bottom) * b.value) / most);
    const x = i * step + 3, y = height - bottom - h;
    const rect = svg('rect', {x, y, width: step - 6, height: Math.max(h, b.value ? 1 : 0), class: 'bar ' + (b.kind || '')});
    rect.append(svg('title', {}, `${b.label}: ${formatNumber(b.value)}`));
    if (onClick) rect.addEventListener('click', () => onClick(b));
    node.append(rect, svg('text', {x: x + (step - 6) / 2, y: height - 5, 'text-anchor': 'middle'}, b.label),
                svg('text', {x: x + (step - 6) / 2, y: Math.max(top - 3, y - 3), 'text-anchor': 'middle'}, formatNumber(b.value)));
  });
}

export class Overview {
  constructor(layout, onPick) {
    this.layout = layout;
    this.onPick = onPick;
    this.labels = {};
    for (const tab of layout.tabs) for (const f of tab.filters) this.labels[tab.id + '.' + f.id] = f.label;
  }

  render(snapshot) {
    const filters = snapshot.filters || {};
    const groups = clear(byId('overview-groups'));
    if (snapshot.audit) groups.append(this.auditGroup(snapshot.audit, filters.indexability || {}));
    for (const [title, lines] of GROUPS) {
      const box = el('div', {className: 'group'}, el('h3', {}, title));
      for (const [tab, filter, badish] of lines) {
        const n = (filters[tab] || {})[filter] ?? 0;
        const label = (tab === 'status' ? '' : '') + this.labels[tab + '.' + filter];
        box.append(el('div', {className: 'line' + (n ? ' nonzero' : '') + (badish ? ' badish' : ''),
                              dataset: {tab, filter}, onclick: () => this.onPick(tab, filter)},
                      el('span', {}, label), el('span', {className: 'n'}, formatNumber(n))));
      }
      groups.append(box);
    }
    const status = filters.status || {};
    barChart(byId('status-chart'), STATUS_BARS.map(([id, label, kind]) => ({id, label, kind, value: status[id] || 0})),
             (b) => this.onPick('status', b.id));
    const depths = snapshot.depths || [];
    let last = depths.length - 1;
    while (last > 3 && !depths[last]) --last;
    barChart(byId('depth-chart'), depths.slice(0, last + 1).map((value, d) => ({label: d === 11 ? '11+' : String(d), value})));
  }

  // Indexable pages and the five highest-ranked issue types.
  auditGroup(audit, indexability) {
    const box = el('div', {className: 'group'}, el('h3', {}, 'Site audit'));
    const line = (label, n, tab, filter, badish) =>
      el('div', {className: 'line' + (n ? ' nonzero' : '') + (badish ? ' badish' : ''), dataset: {tab, filter},
                 onclick: () => this.onPick(tab, filter)}, el('span', {}, label), el('span', {className: 'n'}, formatNumber(n)));
    box.append(line('Indexable pages', audit.indexable, 'indexability', 'indexable'),
               line('Pages not indexable', indexability.not ?? audit.pages - audit.indexable, 'indexability', 'not', true));
    const rank = {high: 0, medium: 1, low: 2};
    const types = (this.layout.tabs.find((t) => t.id === 'issues') || {filters: []}).filters
      .filter((f) => f.priority && f.kind !== 'information' && audit.counts[f.id])
      .sort((a, b) => rank[a.priority] - rank[b.priority] || audit.counts[b.id] - audit.counts[a.id]);
    for (const f of types.slice(0, 5))
      box.append(line(f.label, audit.counts[f.id], 'issues', f.id, f.priority === 'high'));
    return box;
  }
}

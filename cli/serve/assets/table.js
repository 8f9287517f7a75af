// The table of URLs: the server sorts, filters and pages; the page holds only
// the rows in view and a margin around them. The scrollbar reaches every row:
// past a few hundred thousand rows it is scaled, a pixel standing for more
// than a row.
import {el, clear, formatNumber} from './dom.js';
import {get} from './api.js';

const MAX_SCROLL_PX = 8000000;
const MARGIN_ROWS = 40;
const CELL_CLASSES = {url: 'url', title: 'wide', description: 'wide', h1: 'wide', canonical: 'wide',
                      redirect: 'wide', status: 'status'};

export class VirtualTable {
  constructor({head, viewport, spacer, rows, foot, onSelect}) {
    Object.assign(this, {head, viewport, spacer, rowsBox: rows, foot, onSelect});
    this.rowHeight = 24;
    this.total = 0;
    this.cache = null;  // {offset, rows, key}
    this.view = null;
    this.columns = {};
    this.selectedId = null;
    this.selectedIndex = -1;
    this.request = 0;
    this.pending = false;
    viewport.addEventListener('scroll', () => this.schedule());
    viewport.addEventListener('keydown', (e) => this.onKey(e));
    new ResizeObserver(() => this.schedule()).observe(viewport);
  }

  // {tab, filter, search, sort, desc, columnIds}; the first rows are asked for.
  setView(view, columns) {
    this.columns = columns;
    const same = this.view && this.view.tab === view.tab;
    this.view = {...view};
    this.cache = null;
    this.drawHead();
    if (!same) this.viewport.scrollTop = 0;
    this.selectedIndex = -1;
    return this.fetchAround(this.firstVisible(), true);
  }

  // The rows in view again (the data moved under them).
  refresh() {
    if (!this.view) return Promise.resolve();
    return this.fetchAround(this.firstVisible(), true);
  }

  query(offset, limit) {
    const v = this.view;
    return {tab: v.tab, filter: v.filter, q: v.search, sort: v.sort, desc: v.desc ? 1 : 0, offset, limit};
  }

  drawHead() {
    clear(this.head);
    for (const id of this.view.columnIds) {
      const col = this.columns[id] || {label: id};
      const cell = el('div', {className: this.cellClass(id, col), role: 'columnheader', dataset: {col: id},
                              title: 'Sort by ' + col.label, onclick: () => this.sortBy(id)}, col.label);
      if (this.view.sort === id) cell.setAttribute('aria-sort', this.view.desc ? 'descending' : 'ascending');
      this.head.append(cell);
    }
  }

  cellClass(id, col) {
    return 'cell ' + (CELL_CLASSES[id] || (col && col.numeric ? 'num' : '')) + ' c-' + id;
  }

  // Ascending, descending, then crawl order again.
  sortBy(id) {
    const v = this.view;
    if (v.sort !== id) Object.assign(v, {sort: id, desc: false});
    else if (!v.desc) v.desc = true;
    else Object.assign(v, {sort: '', desc: false});
    this.cache = null;
    this.drawHead();
    this.fetchAround(this.firstVisible(), true);
    this.onViewChange && this.onViewChange(v);
  }

  visibleCount() { return Math.max(1, Math.ceil(this.viewport.clientHeight / this.rowHeight)); }
  scrollRange() { return Math.max(1, this.spacerHeight() - this.viewport.clientHeight); }
  spacerHeight() { return Math.min(this.total * this.rowHeight, MAX_SCROLL_PX); }
  scaled() { return this.total * this.rowHeight > MAX_SCROLL_PX; }

  firstVisible() {
    const top = this.viewport.scrollTop;
    if (!this.scaled()) return Math.floor(top / this.rowHeight);
    const last = Math.max(0, this.total - this.visibleCount());
    return Math.min(last, Math.round((top / this.scrollRange()) * last));
  }

  scrollToIndex(index) {
    const count = this.visibleCount();
    if (!this.scaled()) {
      const top = index * this.rowHeight;
      if (top < this.viewport.scrollTop) this.viewport.scrollTop = top;
      else if (top + this.rowHeight > this.viewport.scrollTop + this.viewport.clientHeight)
        this.viewport.scrollTop = top + this.rowHeight - this.viewport.clientHeight;
      return;
    }
    const first = this.firstVisible();
    if (index >= first && index < first + count - 1) return;
    const last = Math.max(1, this.total - count);
    const target = index < first ? index : index - count + 2;
    this.viewport.scrollTop = (Math.max(0, Math.min(last, target)) / last) * this.scrollRange();
  }

  // To the last row (End) or the first (Home).
  jump(toEnd) {
    this.viewport.scrollTop = toEnd ? this.spacerHeight() : 0;
    this.schedule();
  }

  schedule() {
    if (this.pending) return;
    this.pending = true;
    requestAnimationFrame(() => {
      this.pending = false;
      const first = this.firstVisible();
      const c = this.cache;
      if (c && first >= c.offset && first + this.visibleCount() <= c.offset + c.rows.length) this.draw();
      else if (this.view) this.fetchAround(first, false);
    });
  }

  async fetchAround(first, force) {
    const number = ++this.request;
    const offset = Math.max(0, first - MARGIN_ROWS);
    const limit = this.visibleCount() + 2 * MARGIN_ROWS;
    let page;
    try {
      page = await get('/api/rows', this.query(offset, limit));
    } catch (e) {
      this.foot.textContent = e.message;
      return;
    }
    if (number !== this.request && !force) return;
    if (number !== this.request) return;
    this.total = page.total;
    this.cache = {offset: page.offset, rows: page.rows};
    this.rowsBox.dataset.view = `${this.view.tab}/${this.view.filter}`;
    this.spacer.style.height = this.spacerHeight() + 'px';
    this.draw();
  }

  draw() {
    const c = this.cache;
    if (!c) return;
    const first = Math.min(this.firstVisible(), Math.max(0, this.total - 1));
    const count = this.visibleCount() + 1;
    const top = this.scaled() ? this.viewport.scrollTop : first * this.rowHeight;
    this.rowsBox.style.transform = `translateY(${top}px)`;
    const fragment = document.createDocumentFragment();
    for (let i = first; i < Math.min(this.total, first + count); ++i) {
      const row = c.rows[i - c.offset];
      if (!row) break;
      if (row.id === this.selectedId) this.selectedIndex = i;
      const line = el('div', {className: 'row' + (row.bad ? ' bad' : '') + (row.id === this.selectedId ? ' selected' : ''),
                              role: 'row', dataset: {id: row.id, index: i},
                              onclick: () => this.select(row.id, i)});
      row.cells.forEach((value, k) => {
        const id = this.view.columnIds[k];
        const text = value === null ? '' : typeof value === 'number' ? formatNumber(value) : value;
        line.append(el('div', {className: this.cellClass(id, this.columns[id]), role: 'gridcell', title: String(text)}, text));
      });
      fragment.append(line);
    }
    clear(this.rowsBox).append(fragment);
    const shown = Math.min(this.total, first + count);
    this.foot.textContent = this.total === 0
      ? 'No rows'
      : `Rows ${formatNumber(first + 1)}–${formatNumber(shown)} of ${formatNumber(this.total)}`;
  }

  rowAt(index) {
    const c = this.cache;
    return c && index >= c.offset && index < c.offset + c.rows.length ? c.rows[index - c.offset] : null;
  }

  select(id, index) {
    this.selectedId = id;
    this.selectedIndex = index;
    for (const line of this.rowsBox.children) line.classList.toggle('selected', Number(line.dataset.id) === id);
    this.onSelect && this.onSelect(id);
  }

  async onKey(e) {
    if (e.key === 'End' || e.key === 'Home') {
      e.preventDefault();
      return this.jump(e.key === 'End');
    }
    if (e.key !== 'ArrowDown' && e.key !== 'ArrowUp') return;
    e.preventDefault();
    const index = Math.max(0, Math.min(this.total - 1, this.selectedIndex + (e.key === 'ArrowDown' ? 1 : -1)));
    if (index < 0) return;
    this.scrollToIndex(index);
    let row = this.rowAt(index);
    if (!row) {
      await this.fetchAround(index - Math.floor(this.visibleCount() / 2), true);
      row = this.rowAt(index);
    }
    if (row) {
      this.draw();
      this.select(row.id, index);
    }
  }
}

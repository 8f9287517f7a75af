// The lower pane: everything about the selected URL, from the row source.
import {el, clear, byId, formatNumber} from './dom.js';
import {get, post} from './api.js';

const TABS = [
  ['inlinks', 'Inlinks'], ['outlinks', 'Outlinks'], ['images', 'Images'], ['redirects', 'Redirects'],
  ['warnings', 'Warnings'], ['issues', 'Issues'], ['headers', 'Headers'], ['fields', 'Fields'],
  ['picture', 'Thumbnail'],
];
const REASONS = ['server', 'meta refresh', 'Refresh header'];

function table(heads, rows) {
  return el('table', {},
    el('thead', {}, el('tr', {}, ...heads.map((h) => el('th', {}, h)))),
    el('tbody', {}, ...rows.map((cells) => el('tr', {}, ...cells.map((c) => el('td', {className: 'value'}, c ?? ''))))));
}

function note(text) { return el('p', {className: 'note'}, text); }

function listOf(list, heads, cells) {
  const shown = list.items.length;
  return [
    list.total > shown ? note(`The first ${formatNumber(shown)} of ${formatNumber(list.total)}.`) : null,
    shown ? table(heads, list.items.map(cells)) : note('None.'),
  ];
}

export class DetailPane {
  constructor(onMessage) {
    this.onMessage = onMessage;
    this.tab = 'inlinks';
    this.details = null;
    this.id = null;
    this.picture = null;
    this.request = 0;
    this.tabs = byId('lower-tabs');
    this.body = byId('lower-body');
    this.title = byId('lower-title');
    this.recheckButton = byId('recheck-row');
    this.thumbnailButton = byId('thumbnail');
    for (const [id, label] of TABS)
      this.tabs.append(el('button', {type: 'button', role: 'tab', dataset: {tab: id},
                                     onclick: () => this.show(id)}, label, el('span', {className: 'n'})));
    this.recheckButton.addEventListener('click', () => this.recheck());
    this.thumbnailButton.addEventListener('click', () => this.takeThumbnail());
    this.show(this.tab);
  }

  async load(id) {
    const number = ++this.request;
    this.id = id;
    this.picture = null;
    if (id === null) {
      this.details = null;
      this.render();
      return;
    }
    try {
      const details = await get('/api/row', {id});
      if (number !== this.request) return;
      this.details = details;
    } catch (e) {
      if (number !== this.request) return;
      this.details = null;
      this.onMessage(e.message, true);
    }
    this.render();
  }

  show(tab) {
    this.tab = tab;
    for (const b of this.tabs.children) b.setAttribute('aria-selected', String(b.dataset.tab === tab));
    this.render();
  }

  counts() {
    const d = this.details;
    return d ? {inlinks: d.inlinks.total, outlinks: d.outlinks.total, images: d.images.total,
                redirects: d.redirects.length, warnings: d.warnings.length, headers: d.headers.length,
                issues: (d.issues || []).length,
                fields: d.fields.length} : {};
  }

  render() {
    const d = this.details;
    const counts = this.counts();
    for (const b of this.tabs.children) b.querySelector('.n').textContent = counts[b.dataset.tab] ?? '';
    this.recheckButton.disabled = !d;
    this.thumbnailButton.disabled = !d;
    clear(this.title);
    clear(this.body);
    if (!d) {
      this.title.textContent = 'Select a row to see where it is linked from, what it links to and every field.';
      return;
    }
    this.title.append(el('span', {className: 'url'}, d.url), '  ', d.status || 'waiting');
    const parts = {
      inlinks: () => listOf(d.inlinks, ['Page', 'Link text', 'Line', 'Rel'],
                            (i) => [i.url, i.text, i.line ?? '', [i.rel, i.nofollow ? 'nofollow' : ''].filter(Boolean).join(' ')]),
      outlinks: () => listOf(d.outlinks, ['Address', 'Link text', 'Line', 'Status'],
                             (i) => [i.url, i.text, i.line ?? '', i.status]),
      images: () => listOf(d.images, ['Image', 'Alt text', 'Line', 'Status'],
                           (i) => [i.url, i.text, i.line ?? '', i.status]),
      redirects: () => d.redirects.length
        ? table(['Hop', 'Status', 'To', 'By'], d.redirects.map((r, n) => [n + 1, r.status, r.url, REASONS[r.reason] ?? r.reason]))
        : note('No redirect.'),
      warnings: () => d.warnings.length ? el('ul', {}, ...d.warnings.map((w) => el('li', {}, w))) : note('No warning.'),
      issues: () => [
        d.indexability ? note(d.indexability === 'indexable' ? 'Indexable.' : 'Not indexable: ' + d.indexability + '.') : null,
        (d.issues || []).length
          ? table(['Priority', 'Issue', 'Where or why', 'How to fix'],
                  d.issues.map((i) => [el('span', {className: 'priority ' + i.priority}, i.priority), i.description, i.detail, i.fix]))
          : note(d.issues ? 'No issue.' : 'The site audit has not run on this crawl.'),
      ],
      headers: () => d.headers.length ? table(['Header', 'Value'], d.headers) : note('No response headers were kept for this URL.'),
      fields: () => table(['Field', 'Value'], d.fields),
      picture: () => this.picture
        ? el('img', {className: 'thumbnail', src: this.picture, alt: 'Thumbnail of ' + d.url, width: 392, height: 256})
        : note('Press Thumbnail to take a picture of this page.'),
    };
    const part = parts[this.tab]();
    for (const node of [].concat(part)) if (node) this.body.append(node);
  }

  async recheck() {
    if (this.id === null) return;
    try {
      await post('/api/recheck', {id: this.id});
      this.onMessage('Rechecking ' + this.details.url);
    } catch (e) {
      this.onMessage(e.message, true);
    }
  }

  async takeThumbnail() {
    if (this.id === null) return;
    const id = this.id;
    this.thumbnailButton.disabled = true;
    this.onMessage('Taking a thumbnail…');
    try {
      const answer = await post('/api/thumbnail', {id});
      if (id !== this.id) return;
      this.picture = answer.image;
      this.onMessage('');
      this.show('picture');
    } catch (e) {
      this.onMessage(e.message, true);
    } finally {
      this.thumbnailButton.disabled = this.details === null;
    }
  }
}

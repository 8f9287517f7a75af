// Opening a saved crawl (a path typed, or picked from a listing of the home
// and current folders) and comparing two.
import {el, clear, byId, formatNumber} from './dom.js';
import {get, post} from './api.js';

export class OpenDialog {
  constructor(onOpened) {
    this.onOpened = onOpened;
    this.dialog = byId('open-dialog');
    byId('open-cancel').addEventListener('click', () => this.dialog.close());
    byId('open-go').addEventListener('click', () => this.open(byId('open-path').value.trim()));
    byId('open-path').addEventListener('keydown', (e) => {
      if (e.key === 'Enter') this.open(byId('open-path').value.trim());
    });
  }

  show(named) {
    byId('open-error').textContent = '';
    const list = clear(byId('named'));
    if (named && named.length) {
      list.append(el('h3', {}, 'Named when zelmora serve started'));
      list.append(el('ul', {className: 'listing'}, ...named.map((p) =>
        el('li', {onclick: () => { byId('open-path').value = p; }, ondblclick: () => this.open(p)}, p))));
    }
    this.dialog.showModal();
    this.list('');
  }

  async list(dir) {
    const box = clear(byId('listing'));
    try {
      const listing = await get('/api/files', {dir});
      byId('listing-dir').textContent = listing.dir;
      if (listing.parent) box.append(el('li', {className: 'folder', onclick: () => this.list(listing.parent)}, '..'));
      for (const e of listing.entries) {
        box.append(el('li', {className: e.folder ? 'folder' : 'file',
                             onclick: () => (e.folder ? this.list(e.path) : (byId('open-path').value = e.path)),
                             ondblclick: () => !e.folder && this.open(e.path)},
                      e.name, e.folder ? '' : `  (${formatNumber(e.size)} bytes)`));
      }
      for (const root of listing.roots)
        if (root !== listing.dir) box.append(el('li', {className: 'folder', onclick: () => this.list(root)}, root));
    } catch (e) {
      byId('open-error').textContent = e.message;
    }
  }

  async open(path) {
    if (!path) return;
    byId('open-error').textContent = '';
    try {
      await post('/api/open', {path});
      this.dialog.close();
      this.onOpened(path);
    } catch (e) {
      byId('open-error').textContent = e.message;
    }
  }
}

const GROUPS = [['added', 'New URLs'], ['removed', 'Gone URLs'], ['statusChanged', 'Status changed'],
                ['titleChanged', 'Title changed'], ['descriptionChanged', 'Description changed']];

export class CompareDialog {
  constructor() {
    this.dialog = byId('compare-dialog');
    byId('compare-close').addEventListener('click', () => this.dialog.close());
    byId('compare-go').addEventListener('click', () => this.compare());
  }

  show(current) {
    byId('compare-error').textContent = '';
    clear(byId('compare-result'));
    if (current && !byId('compare-newer').value) byId('compare-newer').value = current;
    this.dialog.showModal();
  }

  async compare() {
    const box = clear(byId('compare-result'));
    byId('compare-error').textContent = '';
    try {
      const diff = await post('/api/compare', {older: byId('compare-older').value.trim(),
                                               newer: byId('compare-newer').value.trim()});
      for (const [key, title] of GROUPS) {
        const items = diff[key] || [];
        const lines = items.map((i) => (i.old !== undefined ? `${i.url}  “${i.old}” → “${i.new}”` : `${i.url}  ${i.status}`));
        box.append(el('details', {className: 'diff-group', open: items.length > 0 && items.length <= 50},
                      el('summary', {}, `${title} (${formatNumber(items.length)})`),
                      el('ul', {}, ...lines.slice(0, 1000).map((l) => el('li', {}, l)))));
      }
    } catch (e) {
      byId('compare-error').textContent = e.message;
    }
  }
}

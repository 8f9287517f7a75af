// The crawl form, built from the command line's own option table (the
// options of what to crawl, what to check and requests that name no file).
import {el, clear, byId} from './dom.js';
import {post, postForFile} from './api.js';

export class CrawlForm {
  constructor(form, onStarted) {
    this.onStarted = onStarted;
    this.settings = null;
    this.inputs = [];  // {option, nodes}
    this.dialog = byId('crawl-dialog');
    this.error = byId('crawl-error');
    const topics = clear(byId('form-topics'));
    for (const topic of form.topics) {
      const set = el('fieldset', {}, el('legend', {}, topic.heading));
      for (const option of topic.options) set.append(this.optionRow(option));
      topics.append(set);
    }
    byId('crawl-form').addEventListener('submit', (e) => {
      e.preventDefault();
      this.start();
    });
    byId('crawl-cancel').addEventListener('click', () => this.dialog.close());
    byId('settings-upload').addEventListener('change', (e) => this.readSettings(e.target.files[0]));
    byId('settings-download').addEventListener('click', () => this.saveSettings());
  }

  optionRow(option) {
    const label = option.name + (option.args ? ' ' + option.args : '');
    let nodes;
    if (option.values === 0) {
      nodes = [el('input', {type: 'checkbox', dataset: {option: option.name}})];
    } else if (option.repeatable) {
      nodes = [el('textarea', {rows: 2, placeholder: 'one per line', dataset: {option: option.name}})];
    } else {
      nodes = option.args.split(' ').slice(0, option.values).map((arg) =>
        el('input', {type: 'text', placeholder: arg.replaceAll('"', ''), dataset: {option: option.name}}));
    }
    this.inputs.push({option, nodes});
    if (option.name === '--user') nodes[0].addEventListener('input', () => this.showLogin());
    const help = option.help + (option.settings ? ` [${option.settings}]` : '');
    return el('div', {className: 'option'}, el('label', {}, label),
              el('div', {}, ...nodes, el('div', {className: 'help'}, help)));
  }

  showLogin() {
    const user = this.inputs.find((i) => i.option.name === '--user');
    byId('login').hidden = !(user && user.nodes[0].value.trim());
  }

  open() {
    this.error.textContent = '';
    this.dialog.showModal();
    byId('target').focus();
  }

  request() {
    const options = [];
    for (const {option, nodes} of this.inputs) {
      if (option.values === 0) {
        if (nodes[0].checked) options.push({name: option.name, values: []});
      } else if (option.repeatable) {
        for (const line of nodes[0].value.split('\n'))
          if (line.trim()) options.push({name: option.name, values: [line.trim()]});
      } else {
        const values = nodes.map((n) => n.value.trim());
        if (values.some((v) => v)) options.push({name: option.name, values});
      }
    }
    const body = {target: byId('target').value.trim(), options};
    const password = byId('password').value;
    if (password) body.password = password;
    if (this.settings) body.settings = this.settings;
    return body;
  }

  async start() {
    this.error.textContent = '';
    try {
      await post('/api/crawl', this.request());
      byId('password').value = '';
      this.dialog.close();
      this.onStarted();
    } catch (e) {
      this.error.textContent = e.message;
    }
  }

  readSettings(file) {
    this.settings = null;
    byId('settings-name').textContent = '';
    if (!file) return;
    const reader = new FileReader();
    reader.onload = () => {
      try {
        const parsed = JSON.parse(reader.result);
        if (typeof parsed !== 'object' || Array.isArray(parsed) || parsed === null) throw new Error('not an object');
        this.settings = parsed;
        byId('settings-name').textContent = `${Object.keys(parsed).length} settings from ${file.name}`;
      } catch (e) {
        this.error.textContent = `${file.name} is not a settings file (a JSON object): ${e.message}`;
      }
    };
    reader.readAsText(file);
  }

  async saveSettings() {
    this.error.textContent = '';
    try {
      await postForFile('/api/settings-file', this.request(), 'zelmora.json');
    } catch (e) {
      this.error.textContent = e.message;
    }
  }
}

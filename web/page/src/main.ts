// SPDX-License-Identifier: GPL-3.0-or-later
// Фундис in the browser: the main window's menus, toolbar, report pane and status bar, and the
// commands behind them, on the core's project.

import './style.css';
import { loadProject, type Project } from './api';
import { ask, button, element, showMessage, Window } from './dialogs';
import { chooseFile, saveFile, type SaveHandle, utf8 } from './files';
import { InputForm, ruledValues } from './form';
import { showNote } from './note';
import { printPages } from './print';
import { fillReport } from './report';
import { showScheme } from './scheme';
import { showSettlement } from './settlement';
import { keepProject, keepSettings, keptProject, keptSettings } from './storage';
import fundisIcon from '../../../gui/app/icons/fundis.svg?raw';
import helpIcon from '../../../gui/app/icons/help.svg?raw';
import htmlIcon from '../../../gui/app/icons/html.svg?raw';
import inputIcon from '../../../gui/app/icons/input.svg?raw';
import openIcon from '../../../gui/app/icons/open.svg?raw';
import printIcon from '../../../gui/app/icons/print.svg?raw';
import saveIcon from '../../../gui/app/icons/save.svg?raw';
import schemeIcon from '../../../gui/app/icons/scheme.svg?raw';
import settlementIcon from '../../../gui/app/icons/settlement.svg?raw';
import startIcon from '../../../gui/app/icons/start.svg?raw';

const kCaption = 'Фундис';
const kStartHint = [
  'Чтобы начать:',
  '  •  откройте пример из учебника или курсового проекта: «Файл» → «Примеры»;',
  '  •  введите исходные данные: «Расчет» → «Ввод данных» (Ctrl+I);',
  '  •  откройте свой проект: «Файл» → «Открыть» (Ctrl+O).',
  'Затем «Расчет» → «Начать расчет» (Ctrl+G).',
].join('\n');

type Menu = 'Файл' | 'Расчет' | 'Настройка' | '?';

// One row a command: its menu item (with its keys) and its toolbar button, when it has one.
interface Command {
  name: string;
  text: string;
  menu: Menu;
  keys?: string; // "Ctrl+Shift+S", as the menu shows it
  hint?: string;
  icon?: string;
  slot?: number; // the button's place on the toolbar
  gapBefore?: boolean;
  separatorBefore?: boolean;
  run: () => Promise<void> | void;
}

// The user's decimal separator: the one the browser's language writes numbers with.
function decimalSeparator(): string {
  const part = new Intl.NumberFormat(navigator.language).formatToParts(1.5).find((p) => p.type === 'decimal');
  return part?.value === ',' ? ',' : '.';
}

function baseOf(name: string): string {
  return name.replace(/\.[^.]*$/, '');
}

class App {
  private readonly report = document.getElementById('report') as HTMLElement;
  private readonly notice = document.getElementById('notice') as HTMLElement;
  private readonly input: InputForm;
  private saveHandle: SaveHandle | null = null;
  private busy = false;
  private readonly commands: Command[];

  constructor(private readonly project: Project) {
    this.input = new InputForm(project, () => this.update());
    this.commands = [
      { name: 'newProject', text: 'Новый', menu: 'Файл', hint: 'Новый проект с исходными данными по умолчанию', run: () => this.newProject() },
      { name: 'openProject', text: 'Открыть', menu: 'Файл', keys: 'Ctrl+O', hint: 'Открыть файл с исходными данными', icon: openIcon, slot: 1, run: () => this.openProject() },
      { name: 'saveProject', text: 'Сохранить', menu: 'Файл', keys: 'Ctrl+S', hint: 'Сохранить файл с исходными данными', icon: saveIcon, slot: 2, separatorBefore: true, run: async () => { await this.saveProject(false); } },
      { name: 'saveProjectAs', text: 'Сохранить как...', menu: 'Файл', keys: 'Ctrl+Shift+S', hint: 'Сохранить исходные данные в другой файл', run: async () => { await this.saveProject(true); } },
      { name: 'saveHtmlReport', text: 'Сохранить в HTML', menu: 'Файл', keys: 'Ctrl+F', hint: 'Сохранить результаты расчета в формате HTML', icon: htmlIcon, slot: 3, separatorBefore: true, run: () => this.saveHtmlReport() },
      { name: 'printReport', text: 'Печать', menu: 'Файл', keys: 'Ctrl+P', hint: 'Печать результатов расчета', icon: printIcon, slot: 7, run: () => this.printReport() },
      { name: 'exportDxf', text: 'Экспорт в DXF...', menu: 'Файл', hint: 'Сохранить схему фундамента чертежом DXF для программ САПР', run: () => this.exportDxf() },
      { name: 'editInput', text: 'Ввод данных', menu: 'Расчет', keys: 'Ctrl+I', hint: 'Ввод исходных данных', icon: inputIcon, slot: 4, gapBefore: true, run: () => this.editInput() },
      { name: 'startCalculation', text: 'Начать расчет', menu: 'Расчет', keys: 'Ctrl+G', hint: 'Начать расчет', icon: startIcon, slot: 5, run: () => this.startCalculation() },
      { name: 'showScheme', text: 'Вывести схему', menu: 'Расчет', keys: 'Ctrl+L', hint: 'Схема фундамента', icon: schemeIcon, slot: 6, run: () => this.showScheme() },
      { name: 'showNote', text: 'Пояснительная записка', menu: 'Расчет', keys: 'Ctrl+E', hint: 'Расчет по шагам: формулы, подставленные значения и пункты норм', run: () => showNote(this.project, this.documentBase()) },
      { name: 'showSettlement', text: 'Расчет осадки', menu: 'Расчет', hint: 'Начать расчет осадки фундамента', icon: settlementIcon, slot: 9, separatorBefore: true, run: () => showSettlement(this.project, () => this.update()) },
      { name: 'showSettings', text: 'Настройка параметров', menu: 'Настройка', run: () => this.showSettings() },
      { name: 'showHelp', text: 'Помощь', menu: '?', keys: 'F1', hint: 'Помощь', icon: helpIcon, slot: 8, gapBefore: true, run: () => this.showPage('Помощь', 'Help/index.htm') },
      { name: 'showVerificationManual', text: 'Проверка программы', menu: '?', hint: 'Программа на опубликованных примерах расчета', run: () => this.showPage('Проверка программы', 'Help/verification.htm') },
      { name: 'showAbout', text: 'О программе', menu: '?', run: () => this.showAbout() },
    ];
    this.buildMenus();
    this.buildToolbar();
    document.addEventListener('keydown', (event) => this.shortcut(event));
  }

  // --- the window ---

  private buildMenus(): void {
    const bar = document.getElementById('menubar') as HTMLElement;
    const menus: Menu[] = ['Файл', 'Расчет', 'Настройка', '?'];
    const closeAll = (): void => bar.querySelectorAll('.menu.open').forEach((menu) => menu.classList.remove('open'));
    for (const title of menus) {
      const list = element('ul', { class: 'menu-items', role: 'menu' });
      const opener = button(title, () => {
        const open = menu.classList.contains('open');
        closeAll();
        menu.classList.toggle('open', !open);
      }, { class: 'menu-title', 'aria-haspopup': 'true', 'data-menu': title });
      const menu = element('div', { class: 'menu' }, opener, list);
      for (const command of this.commands.filter((c) => c.menu === title)) {
        if (command.separatorBefore) list.append(element('li', { class: 'separator', role: 'separator' }));
        const item = button(command.text, () => {
          closeAll();
          void this.run(command);
        }, { role: 'menuitem', 'data-command': command.name, title: command.hint ?? '' });
        if (command.keys) item.append(element('span', { class: 'keys' }, command.keys));
        list.append(element('li', {}, item));
        if (command.name === 'openProject') list.append(this.examplesMenu(closeAll));
      }
      bar.append(menu);
    }
    document.addEventListener('click', (event) => {
      if (!(event.target instanceof Node) || !bar.contains(event.target)) closeAll();
    });
    document.addEventListener('keydown', (event) => {
      if (event.key === 'Escape') closeAll();
    });
  }

  private examplesMenu(closeAll: () => void): HTMLElement {
    const list = element('ul', { class: 'submenu', role: 'menu' });
    for (const example of this.project.examples) {
      list.append(element('li', {}, button(example.title, () => {
        closeAll();
        void this.guarded(() => this.openExample(example.file));
      }, { role: 'menuitem', 'data-example': example.file })));
    }
    const opener = button('Примеры', () => item.classList.toggle('open'), { role: 'menuitem', 'aria-haspopup': 'true', 'data-command': 'examplesMenu' });
    const item = element('li', { class: 'has-submenu' }, opener, list);
    return item;
  }

  private buildToolbar(): void {
    const bar = document.getElementById('toolbar') as HTMLElement;
    const hint = document.getElementById('hint') as HTMLElement;
    const buttons = this.commands.filter((c) => c.slot !== undefined).sort((a, b) => (a.slot ?? 0) - (b.slot ?? 0));
    for (const command of buttons) {
      if (command.gapBefore) bar.append(element('span', { class: 'gap' }));
      if (command.name === 'showSettlement') bar.append(element('span', { class: 'divider' }));
      const b = button('', () => void this.run(command), { 'data-command': command.name, 'aria-label': command.text });
      b.innerHTML = command.icon ?? '';
      if (command.name === 'showSettlement') {
        b.classList.add('big');
        b.prepend(element('span', {}, command.text));
      }
      // the hint shows in the status bar, as the desktop's toolbar has it
      b.addEventListener('mouseenter', () => (hint.textContent = command.hint ?? ''));
      b.addEventListener('mouseleave', () => (hint.textContent = ''));
      bar.append(b);
    }
  }

  private shortcut(event: KeyboardEvent): void {
    if (document.querySelector('dialog[open]')) return;
    const keys = `${event.ctrlKey || event.metaKey ? 'Ctrl+' : ''}${event.shiftKey ? 'Shift+' : ''}${event.key.length === 1 ? event.key.toUpperCase() : event.key}`;
    // the Russian layout gives Cyrillic letters: the key's place decides
    const latin = /^Key([A-Z])$/.exec(event.code);
    const placed = latin ? keys.replace(/[^+]*$/, latin[1]) : keys;
    const command = this.commands.find((c) => c.keys === keys || c.keys === placed);
    if (command) {
      event.preventDefault();
      void this.run(command);
    }
  }

  private async run(command: Command): Promise<void> {
    await this.guarded(() => command.run());
  }

  // One command at a time, as the desktop's modal windows have it.
  private async guarded(work: () => Promise<void> | void): Promise<void> {
    if (this.busy) return;
    this.busy = true;
    try {
      await work();
    } catch (error) {
      await showMessage('ОШИБКА', `Команда не выполнена: ${String(error)}`);
    } finally {
      this.busy = false;
      this.update();
    }
  }

  // The title, the status bar and the kept copy after any change.
  update(): void {
    const status = this.project.status();
    document.title = `${status.shownName}${status.modified ? '*' : ''} — Фундис`;
    (document.getElementById('fileName') as HTMLElement).textContent = status.shownName;
    (document.getElementById('staleMark') as HTMLElement).hidden = !status.outOfDate;
    keepProject({
      values: this.project.form(),
      settlement: this.project.settlement(),
      fileName: status.fileName,
      modified: status.modified,
    });
  }

  private showStartHint(shown: boolean): void {
    if (shown) this.report.replaceChildren(element('div', { class: 'start-hint' }, kStartHint));
    else this.report.querySelector('.start-hint')?.remove();
  }

  private showNotice(text: string): void {
    this.notice.replaceChildren(element('span', {}, text), button('×', () => (this.notice.hidden = true), { class: 'close-box', 'aria-label': 'Скрыть' }));
    this.notice.hidden = text === '';
  }

  private documentBase(): string {
    const status = this.project.status();
    return status.untitled ? 'Фундамент' : baseOf(status.shownName);
  }

  // A project starts without the results of the one before it.
  private forgetCalculation(): void {
    this.report.replaceChildren();
    this.showNotice('');
  }

  private applyRules(): void {
    // the dialog's rules as it shows a new form: a flexible building's L/H at its first item
    const ruled = ruledValues(this.project.form());
    if (Object.keys(ruled).length > 0) {
      const modified = this.project.status().modified;
      this.project.setForm(ruled);
      this.project.setModified(modified);
    }
  }

  private async haveCalculation(): Promise<boolean> {
    if (this.project.status().calculated) return true;
    await showMessage(kCaption, 'Сначала выполните расчет.');
    return false;
  }

  // --- the commands ---

  private async maybeSaveChanges(): Promise<boolean> {
    const status = this.project.status();
    if (!status.modified) return true;
    const answer = await ask(kCaption, `Исходные данные проекта «${status.shownName}» изменены. Сохранить изменения?`, ['Сохранить', 'Не сохранять', 'Отмена'], 0, 2);
    if (answer === 0) return this.saveProject(false);
    return answer === 1;
  }

  private async newProject(): Promise<void> {
    if (!(await this.maybeSaveChanges())) return;
    this.project.newProject();
    this.saveHandle = null;
    this.applyRules();
    this.forgetCalculation();
  }

  private async openProject(): Promise<void> {
    if (!(await this.maybeSaveChanges())) return;
    const chosen = await chooseFile('.dan');
    if (chosen) await this.opened(this.project.openDan(chosen.bytes, chosen.name));
  }

  private async openExample(file: string): Promise<void> {
    if (!(await this.maybeSaveChanges())) return;
    await this.opened(this.project.openExample(file));
  }

  private async opened(result: { ok: boolean; message: string }): Promise<void> {
    if (!result.ok) {
      await showMessage(kCaption, result.message);
      return;
    }
    this.saveHandle = null;
    this.forgetCalculation();
    this.applyRules();
    this.update();
    if (result.message !== '') await showMessage(kCaption, result.message);
    await this.editInput();
  }

  private async saveProject(asNew: boolean): Promise<boolean> {
    const status = this.project.status();
    const name = status.untitled ? 'Фундамент.dan' : status.shownName;
    const bytes = this.project.saveDan(name);
    if (!bytes.ok) {
      await showMessage(kCaption, bytes.message);
      return false;
    }
    const again = asNew || status.untitled ? null : this.saveHandle;
    const saved = await saveFile(name, bytes.bytes, 'Данные', 'application/x-fundis-project', '.dan', again);
    if (!saved) return false;
    this.saveHandle = saved.handle;
    this.project.savedAs(saved.name);
    return true;
  }

  private async saveHtmlReport(): Promise<void> {
    if (!(await this.haveCalculation())) return;
    await saveFile(`${this.documentBase()}.htm`, utf8(this.project.htmlReport()), 'HTML файл', 'text/html', '.htm');
  }

  private async exportDxf(): Promise<void> {
    if (!(await this.haveCalculation())) return;
    await saveFile(`${this.documentBase()}.dxf`, this.project.dxf(), 'Чертеж DXF', 'application/dxf', '.dxf');
  }

  private async printReport(): Promise<void> {
    if (await this.haveCalculation()) printPages(this.project.printedPages());
  }

  private async showScheme(): Promise<void> {
    if (await this.haveCalculation()) await showScheme(this.project);
  }

  private async editInput(): Promise<void> {
    await this.input.show();
    this.update();
  }

  private async startCalculation(): Promise<void> {
    if (this.project.status().inputDialogNeeded) await this.editInput();
    const calculation = this.project.calculate();
    this.showStartHint(false);
    if (calculation.outcome === 'not run' && calculation.report.length === 0) {
      this.report.replaceChildren();
      await showMessage(kCaption, calculation.message);
      return;
    }
    fillReport(this.report, calculation.report);
    this.report.scrollTop = 0;
  }

  private async showSettings(): Promise<void> {
    const current = this.project.settings();
    const window = new Window('Настройка', 'settings-window');
    const scale = element('input', { type: 'text', inputmode: 'numeric', id: 'setting-scale', title: 'Масштаб представления схемы фундамента' });
    scale.value = current.scale;
    const debug = element('input', { type: 'checkbox', id: 'setting-debug' });
    debug.checked = current.debug;
    window.body.append(
      element('div', { class: 'field' }, element('label', { for: 'setting-scale' }, 'Масштаб 1:'), scale),
      element('label', { class: 'field check' }, debug, ' Отладка'),
    );
    window.buttons.append(
      button('OK', async () => {
        const saved = this.project.setSettings(scale.value, debug.checked);
        if (!saved.ok) {
          await showMessage('Настройка', saved.message);
          scale.focus();
          scale.select();
          return;
        }
        keepSettings({ scale: scale.value, debug: debug.checked });
        window.close();
      }, { class: 'default', 'data-command': 'ok' }),
      button('Отмена', () => window.close()),
    );
    window.open();
    scale.focus();
    await window.whenClosed();
  }

  private async showPage(title: string, page: string): Promise<void> {
    // the page inside the program's own window: it opens offline too, and the user stays here
    const window = new Window(title, 'help-window');
    const frame = element('iframe', { class: 'help-frame', title, src: page });
    window.body.append(frame);
    window.buttons.append(
      element('a', { href: page, target: '_blank', rel: 'noopener', class: 'button-link' }, 'Открыть в новой вкладке'),
      button('Закрыть', () => window.close(), { class: 'default' }),
    );
    window.open();
    await window.whenClosed();
  }

  private async showAbout(): Promise<void> {
    const window = new Window('О ПРОГРАММЕ', 'about-window');
    const picture = element('div', { class: 'about-picture', 'aria-hidden': 'true' });
    picture.innerHTML = fundisIcon;
    window.body.append(
      picture,
      element(
        'div',
        { class: 'about-text' },
        element('div', { class: 'product' }, 'ФУНДИС'),
        element('div', {}, 'Версия 1.23'),
        element('div', {}, 'Москва, «Фундис», 2026'),
        element('p', {}, 'Программа предназначена для учебных целей. Составитель не берет на себя никакой ответственности за неправильное использование программы'),
      ),
    );
    window.buttons.append(button('OK', () => window.close(), { class: 'default' }));
    window.open();
    await window.whenClosed();
  }

  // --- start ---

  start(): void {
    const settings = keptSettings();
    if (settings) this.project.setSettings(settings.scale, settings.debug);
    const kept = keptProject();
    this.showStartHint(true);
    if (kept && (kept.modified || kept.fileName !== '')) {
      this.project.setForm(kept.values);
      this.project.setSettlement(kept.settlement);
      this.project.setFileName(kept.fileName);
      this.project.setModified(kept.modified);
      const name = kept.fileName === '' ? 'Без имени' : kept.fileName;
      this.showNotice(
        `Восстановлен проект «${name}», который редактировался в прошлый раз${kept.modified ? ', с несохраненными изменениями' : ''}. Расчет выполните заново.`,
      );
    }
    this.applyRules();
    this.update();
  }
}

async function main(): Promise<void> {
  const project = await loadProject();
  project.setDecimalSeparator(decimalSeparator());
  const app = new App(project);
  app.start();
  // for fundis-web-check and the browser tests: the results as fundis-cli --json writes them, and
  // the check tool's own tables and its --sep (the separator the browser's language would give)
  (window as unknown as { fundis: object }).fundis = {
    setDecimalSeparator: (separator: string) => project.setDecimalSeparator(separator),
    resultsJson: () => project.resultsJson(),
    status: () => project.status(),
    loadTable: (name: string, bytes: Uint8Array) => project.loadTable(name, bytes),
  };
  document.body.dataset.ready = 'true';
  // the moment the form takes input, for the benchmark (bench/web-bench.mjs)
  performance.mark('fundis-ready');
  if ('serviceWorker' in navigator && location.protocol.startsWith('http')) {
    // after the first visit the page opens without a network
    void navigator.serviceWorker.register('sw.js').catch(() => undefined);
  }
}

void main().catch((error: unknown) => {
  const loading = document.getElementById('loading');
  if (loading) loading.textContent = `Программа не загрузилась: ${String(error)}. Обновите страницу.`;
});

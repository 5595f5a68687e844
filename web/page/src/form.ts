// SPDX-License-Identifier: GPL-3.0-or-later
// "Ввод исходных данных": the four tabs of the input form, built from the core's field table (labels,
// units, tabs, groups, choices), with the desktop dialog's visibility rules, its warnings on OK and
// "Отмена" putting the fields back as they were when the window opened.

import type { Field, FieldValue, FormValues, Project } from './api';
import { ask, button, element, Window } from './dialogs';
import foundationPicture from './foundation.svg?raw';

const kCaption = 'Ввод исходных данных';

// Where the dialog puts the fields it knows, tab by tab, "|" starting a new row; a field not named
// here (a new one of the table) follows them in the table's order.
const kOrder = [
  'floorType', 'temperature', '|', 'overhangChoice', 'overhang', 'Mt', '|', 'scheme', 'LHChoice', 'LH',
  'soil', '|', 'frostSoil', '|', 'fii', 'cii', 'method', '|', 'Yii', 'Yii1',
  'd', 'groundLevel', 'pedestalTop', '|', 'socketDepth', 'socketBottom', '|', 'bc', 'lc', '|', 'buc', 'luc', '|',
  'da', 'dz', '|', 'd_h', 'd_l', 'bToL', '|', 'concreteClass', 'Rs', 'Rsc',
];

// The desktop dialog's hints, shown when the mouse rests on a field.
const kHints: Record<string, string> = {
  floorType: 'Эта информация необходима для определения к-та kh (см. [1], табл. 5.9 в списке литературы)',
  temperature: 'Температура воздуха в помещении, град.',
  overhangChoice: 'Вылет подошвы фундамента от внешней грани стены, м',
  overhang: 'Величина вылета подошвы фундамента',
  Mt: 'Сумма абсолютных значений среднемесячных отрицательных температур за зиму, СНиП 2.01.01-82',
  scheme: 'Схема здания - гибкая или жесткая.',
  LHChoice: 'Отношение длины сооружения или его отсека к его высоте',
  LH: 'Отношение длины сооружения или его отсека к его высоте',
  fii: 'Угол внутреннего трения, град.',
  cii: 'Удельное сцепление, кПа.',
  Yii: 'Вес грунта ниже подошвы фундамента, кН/м3',
  Yii1: 'Вес грунта выше подошвы фундамента, кН/м3',
  buc: 'Ширина поперечного сечения подколонника, м (задавать необязательно)',
  luc: 'Высота поперечного сечения подколонника, м (задавать необязательно)',
  bc: 'Ширина поперечного сечения колонны, м',
  lc: 'Высота поперечного сечения колонны, м',
  groundLevel: 'Отметка природного рельефа (наружные фундаменты, м)',
  pedestalTop: 'Отметка верха подколонника от уровня планировки, м',
  socketDepth: 'Глубина стакана, м',
  socketBottom: 'Толщина днища стакана (минимальная - по конструктивным требованиям), м',
  d: 'Глубина заложения фундамента, м (если не задана, проводится расчет)',
  da: 'Диаметр нижней рабочей арматуры, м',
  dz: 'Защитный слой нижней арматуры, м',
  bToL: 'Отношение ширины подошвы фундамента к ее длине',
  d_h: 'Кратность высоты фундамента, м',
  d_l: 'Кратность длины и ширины подошвы фундамента, м',
  concreteClass: 'Класс бетона',
  Rs: 'Расчетное сопротивление арматуры на растяжение',
  Rsc: 'Расчетное сопротивление арматуры на сжатие',
  craneAndWind: 'Расчетное сопр. бетона повыш. на 10%',
};

// What the picture of the foundation calls each of its fields.
const kOnPicture = new Set(['d', 'groundLevel', 'pedestalTop', 'socketDepth', 'socketBottom', 'bc', 'lc', 'buc', 'luc', 'da', 'dz']);

// The dialog's visibility rules: a control hidden keeps its place, so that the others do not move.
function hiddenFields(values: FormValues): Set<string> {
  const hidden = new Set<string>();
  if (values.overhangChoice === 0) hidden.add('overhang');
  if (values.scheme === 1) {
    // a flexible building needs no L/H
    hidden.add('LHChoice');
    hidden.add('LH');
  }
  if (values.LHChoice !== 2) hidden.add('LH');
  if (typeof values.d === 'string' && values.d !== '') {
    // a given depth makes the frost-depth inputs pointless
    for (const name of ['frostSoil', 'floorType', 'temperature', 'overhangChoice', 'Mt', 'overhang']) hidden.add(name);
  }
  return hidden;
}

// What the rules change in the form itself: a flexible building's L/H goes back to its first item.
export function ruledValues(values: FormValues): FormValues {
  return values.scheme === 1 && values.LHChoice !== 0 && values.LHChoice !== undefined ? { LHChoice: 0 } : {};
}

function orderOf(field: Field, index: number): number {
  const known = kOrder.indexOf(field.name);
  return known >= 0 ? known : kOrder.length + index;
}

function startsRow(name: string): boolean {
  return kOrder[kOrder.indexOf(name) - 1] === '|';
}

export class InputForm {
  private readonly window: Window;
  private readonly controls = new Map<string, HTMLInputElement | HTMLSelectElement>();
  private readonly cells = new Map<string, HTMLElement>();
  private readonly tabButtons: HTMLButtonElement[] = [];
  private readonly panels: HTMLElement[] = [];
  private opened: FormValues = {};
  private openedModified = false;
  private accepted = false;

  constructor(private readonly project: Project, private readonly onEdited: () => void) {
    this.window = new Window(kCaption, 'input-form', () => void this.cancel());
    const tabs = element('div', { class: 'tabs', role: 'tablist' });
    const panels = element('div', { class: 'tab-panels' });
    for (const tab of project.fields.tabs) {
      const index = this.panels.length;
      const tabButton = button(tab.title, () => this.showTab(index), { role: 'tab', 'data-tab': String(tab.tab) });
      const panel = element('div', { class: 'tab-panel', role: 'tabpanel', 'data-tab': String(tab.tab) });
      this.tabButtons.push(tabButton);
      this.panels.push(panel);
      tabs.append(tabButton);
      panels.append(panel);
      this.buildTab(panel, tab.tab);
    }
    this.window.body.append(tabs, panels);
    const ok = button('OK', () => void this.confirm(), { class: 'default', 'data-command': 'ok' });
    const cancel = button('Отмена', () => void this.cancel(), { 'data-command': 'cancel', title: 'Закрыть окно, не принимая изменений' });
    this.window.buttons.append(ok, cancel);
    this.window.dialog.addEventListener('keydown', (event) => {
      if (event.key === 'Enter' && event.target instanceof HTMLInputElement) {
        event.preventDefault();
        void this.confirm();
      }
    });
  }

  private buildTab(panel: HTMLElement, tab: number): void {
    const fields = this.project.fields.fields
      .map((field, index) => ({ field, index }))
      .filter(({ field }) => field.tab === tab && field.shown)
      .sort((a, b) => orderOf(a.field, a.index) - orderOf(b.field, b.index))
      .map(({ field }) => field);
    const picture = fields.some((field) => kOnPicture.has(field.name));
    if (picture) {
      panel.classList.add('with-picture');
      panel.append(element('div', { class: 'foundation-picture', 'aria-hidden': 'true' }));
      (panel.lastElementChild as HTMLElement).innerHTML = foundationPicture;
    }
    const groups = new Map<string, HTMLElement>();
    const plain = element('div', { class: 'field-grid' });
    panel.append(plain);
    for (const field of fields) {
      let container: HTMLElement = plain;
      if (field.group !== '') {
        let group = groups.get(field.group);
        if (!group) {
          group = element('div', { class: 'field-grid' });
          const fieldset = element('fieldset', { class: 'field-group' }, element('legend', {}, field.group), group);
          groups.set(field.group, group);
          panel.append(fieldset);
        }
        container = group;
      }
      container.append(this.buildField(field));
    }
    if (this.project.fields.fields.some((field) => field.tab === tab && field.group.startsWith('I '))) {
      // the I-group loads from the II-group ones for a first estimate
      panel.append(
        element(
          'div',
          { class: 'tab-actions' },
          button('К-т надежн. 1.1', () => this.fillReliability(), {
            'data-command': 'reliability',
            title: 'Исп. обобщ. к-т надежности 1.1 для предварительного расчета',
          }),
        ),
      );
    }
  }

  private buildField(field: Field): HTMLElement {
    const id = `field-${field.name}`;
    let control: HTMLInputElement | HTMLSelectElement;
    if (field.kind === 'list') {
      const select = element('select', { id, name: field.name });
      (field.items ?? []).forEach((item, index) => select.append(element('option', { value: String(index) }, item)));
      select.addEventListener('change', () => this.edited(field.name, Number(select.value)));
      control = select;
    } else if (field.kind === 'check') {
      const check = element('input', { id, name: field.name, type: 'checkbox' });
      check.addEventListener('change', () => this.edited(field.name, check.checked));
      control = check;
    } else {
      const edit = element('input', { id, name: field.name, type: 'text', inputmode: 'decimal', autocomplete: 'off', spellcheck: 'false' });
      if (field.whenEmpty !== '' && field.whenEmpty !== '0') edit.placeholder = field.whenEmpty;
      if (field.whenEmpty !== '') edit.dataset.whenEmpty = field.whenEmpty;
      edit.addEventListener('input', () => {
        // the program reads numbers with a point: a comma typed in a Russian habit becomes the point at once
        if (edit.value.includes(',')) {
          const cursor = edit.selectionStart;
          edit.value = edit.value.replaceAll(',', '.');
          if (cursor !== null) edit.setSelectionRange(cursor, cursor);
        }
        this.edited(field.name, edit.value);
      });
      control = edit;
    }
    this.controls.set(field.name, control);
    const cell =
      field.kind === 'check'
        ? element('label', { class: 'field check', 'data-field': field.name }, control, ' ', field.caption)
        : element('div', { class: 'field', 'data-field': field.name }, element('label', { for: id }, field.caption), control);
    cell.title = [kHints[field.name], field.whenEmpty !== '' ? `Пусто — ${field.whenEmpty}.` : ''].filter(Boolean).join(' ');
    if (startsRow(field.name)) cell.classList.add('row-start');
    this.cells.set(field.name, cell);
    return cell;
  }

  private edited(name: string, value: FieldValue): void {
    this.project.setForm({ [name]: value });
    const ruled = ruledValues(this.project.form());
    if (Object.keys(ruled).length > 0) this.project.setForm(ruled);
    this.refresh();
    this.onEdited();
  }

  // The controls from the project's form, the visibility rules applied.
  refresh(): void {
    const values = this.project.form();
    for (const [name, control] of this.controls) {
      const value = values[name];
      if (control instanceof HTMLSelectElement) control.value = String(value);
      else if (control.type === 'checkbox') control.checked = value === true;
      else if (control.value !== value) control.value = String(value ?? '');
    }
    const hidden = hiddenFields(values);
    for (const [name, cell] of this.cells) cell.classList.toggle('hidden', hidden.has(name));
  }

  private showTab(index: number): void {
    this.tabButtons.forEach((tab, i) => tab.setAttribute('aria-selected', String(i === index)));
    this.panels.forEach((panel, i) => (panel.hidden = i !== index));
  }

  private fillReliability(): void {
    this.project.fillReliability();
    this.refresh();
    this.onEdited();
  }

  // Shows the window; true when it was closed with OK.
  async show(): Promise<boolean> {
    this.opened = this.project.form();
    this.openedModified = this.project.status().modified;
    this.accepted = false;
    this.refresh();
    this.showTab(0);
    this.window.open();
    this.window.dialog.querySelector<HTMLElement>('.tab-panel:not([hidden]) select, .tab-panel:not([hidden]) input')?.focus();
    await this.window.whenClosed();
    return this.accepted;
  }

  async confirm(): Promise<void> {
    const warnings = this.project.okWarnings();
    if (warnings !== '' && (await ask(kCaption, warnings, ['Вернуться к вводу', 'Принять'], 0, 0)) === 0) return;
    this.project.acceptForm();
    this.refresh();
    this.onEdited();
    this.accepted = true;
    this.window.close();
  }

  async cancel(): Promise<void> {
    const now = this.project.form();
    const changed = Object.keys(this.opened).some((name) => this.opened[name] !== now[name]);
    if (changed) {
      const answer = await ask(
        kCaption,
        'Исходные данные изменены. Закрыть окно без них? Поля вернутся к тому, что было при открытии окна; принимает изменения кнопка «OK».',
        ['Вернуться к вводу', 'Отменить изменения'],
        0,
        0,
      );
      if (answer === 0) return;
      this.project.setForm(this.opened);
    }
    this.project.setModified(this.openedModified);
    this.refresh();
    this.onEdited();
    this.window.close();
  }
}

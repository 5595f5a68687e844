// SPDX-License-Identifier: GPL-3.0-or-later
// "Расчет осадки": the soil layers from the natural relief down and the limit settlement, "Рассчитать",
// the picture of the method and the report block, as the desktop's settlement window has them. The
// window edits a copy of the project's settlement inputs and hands every change back to the project.

import type { BadCell, Project, ReportLine, SettlementInputs, SettlementView } from './api';
import { button, element, showMessage, Window } from './dialogs';
import { printPages } from './print';
import { fillReport } from './report';

const kCaption = 'Расчет осадки';

export async function showSettlement(project: Project, onEdited: () => void): Promise<void> {
  const form = project.settlement();
  const inputs: SettlementInputs = {
    layers: form.layers.map((row) => [...row]),
    buildingType: form.buildingType,
    suText: form.suText,
  };
  let typedSu = form.suText;
  let currentRow = -1;
  let view: SettlementView | null = null;

  const window = new Window(kCaption, 'settlement-window');
  const notice = element('div', { class: 'design-notice', role: 'status' });
  const table = element('table', { class: 'layers' });
  const head = element('tr', {}, element('th', {}, '№'), ...form.columns.map((name) => element('th', {}, name)));
  const rows = element('tbody');
  table.append(element('thead', {}, head), rows);
  const addButton = button('Добавить слой', () => addLayer(), { title: 'Новый слой под выбранным', 'data-command': 'add-layer' });
  const removeButton = button('Удалить слой', () => removeLayer(), { 'data-command': 'remove-layer' });
  const upButton = button('Выше', () => moveLayer(-1), { title: 'Переставить выбранный слой на одну строку вверх' });
  const downButton = button('Ниже', () => moveLayer(1), { title: 'Переставить выбранный слой на одну строку вниз' });
  const typeSelect = element('select', { 'aria-label': 'Тип сооружения', 'data-field': 'buildingType' });
  form.buildingTypes.forEach((type, index) => typeSelect.append(element('option', { value: String(index), title: type.text }, type.text)));
  const suEdit = element('input', { type: 'text', inputmode: 'decimal', class: 'su', 'aria-label': 'su, см', 'data-field': 'su' });
  const calculateButton = button('Рассчитать', () => void calculate(), { class: 'default', 'data-command': 'calculate-settlement' });
  const resultLabel = element('span', { class: 'settlement-result' });
  const picture = element('div', { class: 'settlement-picture' });
  const report = element('div', { class: 'report settlement-report', role: 'log' });
  const printButton = button('Печать', () => printPages([project.settlementPageSvg()]), {
    title: 'Лист расчета осадки на принтер или в PDF',
    'data-command': 'print-settlement',
  });

  const layersBox = element(
    'fieldset',
    { class: 'field-group' },
    element('legend', {}, 'Слои грунта от природного рельефа вниз'),
    element('div', { class: 'layers-scroll' }, table),
    element('div', { class: 'row-buttons' }, addButton, removeButton, upButton, downButton),
    element('p', { class: 'small' }, 'Последний слой продолжается вниз без ограничения. Ниже уровня грунтовых вод γ вводится с учетом взвешивающего действия воды.'),
  );
  const limitBox = element(
    'fieldset',
    { class: 'field-group' },
    element('legend', {}, 'Предельная осадка su'),
    element('label', {}, 'Тип сооружения:', typeSelect),
    element('div', { class: 'su-row' }, 'su =', suEdit, 'см'),
  );
  const left = element('div', { class: 'settlement-inputs' }, layersBox, limitBox, element('div', { class: 'calculate-row' }, calculateButton, resultLabel));
  window.body.append(notice, element('div', { class: 'settlement-top' }, left, picture), report);
  window.buttons.append(printButton, button('Закрыть', () => window.close()));

  const showPicture = (): void => {
    const width = Math.max(280, picture.clientWidth);
    const height = Math.max(260, picture.clientHeight);
    const svg = view?.printable ? project.settlementPictureSvg(width, height) : '';
    if (svg !== '') picture.innerHTML = svg;
    else
      picture.replaceChildren(
        element('p', { class: 'picture-hint' }, view ? 'Осадка не рассчитана: причина указана в отчете ниже.' : 'Схема к расчету появится после нажатия «Рассчитать».'),
      );
  };

  const showView = (shown: SettlementView): void => {
    view = shown.calculated ? shown : null;
    if (shown.calculated) fillReport(report, shown.report);
    resultLabel.textContent = shown.label;
    resultLabel.classList.toggle('exceeds', shown.exceeds);
    printButton.disabled = !shown.printable;
    showPicture();
  };

  const updateButtons = (): void => {
    const count = inputs.layers.length;
    addButton.disabled = count >= form.mostLayers;
    removeButton.disabled = currentRow < 0 || currentRow >= count;
    upButton.disabled = currentRow <= 0 || currentRow >= count;
    downButton.disabled = currentRow < 0 || currentRow + 1 >= count;
  };

  const showType = (): void => {
    const item = inputs.buildingType >= 0 && inputs.buildingType < form.typedSuItem ? inputs.buildingType : form.typedSuItem;
    typeSelect.value = String(item);
    const typed = item === form.typedSuItem;
    suEdit.disabled = !typed;
    suEdit.value = typed ? typedSu : form.buildingTypes[item].su;
  };

  const clearMarks = (): void => {
    for (const cell of window.dialog.querySelectorAll<HTMLInputElement>('.bad')) {
      cell.classList.remove('bad');
      cell.title = '';
    }
  };

  const edited = (): void => {
    inputs.suText = typedSu;
    const hint: ReportLine[] = project.settlementEdited(inputs).hint;
    if (hint.length > 0) {
      fillReport(report, hint);
      view = null;
      resultLabel.textContent = '';
      printButton.disabled = true;
      showPicture();
    }
    onEdited();
  };

  const renderRows = (): void => {
    rows.replaceChildren();
    inputs.layers.forEach((layer, row) => {
      const tr = element('tr', {}, element('td', { class: 'row-number' }, String(row + 1)));
      layer.forEach((text, column) => {
        const cell = element('input', {
          type: 'text',
          inputmode: 'decimal',
          value: text,
          'aria-label': `Слой ${row + 1}, ${form.columns[column]}`,
          'data-row': String(row),
          'data-column': String(column),
        });
        cell.value = text;
        cell.addEventListener('focus', () => {
          currentRow = row;
          updateButtons();
        });
        cell.addEventListener('input', () => {
          cell.classList.remove('bad');
          cell.title = '';
          inputs.layers[row][column] = cell.value;
          edited();
        });
        cell.addEventListener('keydown', (event) => {
          // Tab in the last cell goes on to a new layer
          if (event.key === 'Tab' && !event.shiftKey && row === inputs.layers.length - 1 && column === 2 && inputs.layers.length < form.mostLayers) {
            event.preventDefault();
            insertLayer(inputs.layers.length);
          }
        });
        tr.append(element('td', {}, cell));
      });
      rows.append(tr);
    });
    updateButtons();
  };

  const focusCell = (row: number, column: number): void => {
    rows.querySelector<HTMLInputElement>(`input[data-row="${row}"][data-column="${column}"]`)?.focus();
  };

  const insertLayer = (row: number): void => {
    inputs.layers.splice(row, 0, ['', '', '']);
    renderRows();
    edited();
    focusCell(row, 0);
  };
  const addLayer = (): void => {
    if (inputs.layers.length >= form.mostLayers) return;
    insertLayer(currentRow >= 0 ? currentRow + 1 : inputs.layers.length);
  };
  const removeLayer = (): void => {
    if (currentRow < 0 || currentRow >= inputs.layers.length) return;
    inputs.layers.splice(currentRow, 1);
    const row = Math.min(currentRow, inputs.layers.length - 1);
    currentRow = row;
    renderRows();
    edited();
    if (row >= 0) focusCell(row, 0);
  };
  const moveLayer = (step: number): void => {
    const target = currentRow + step;
    if (currentRow < 0 || target < 0 || target >= inputs.layers.length) return;
    const moving = inputs.layers[currentRow];
    inputs.layers[currentRow] = inputs.layers[target];
    inputs.layers[target] = moving;
    renderRows();
    edited();
    focusCell(target, 0);
  };

  const markBadCells = (cells: BadCell[]): void => {
    let focused = false;
    for (const cell of cells) {
      const target = cell.row === -1 ? suEdit : rows.querySelector<HTMLInputElement>(`input[data-row="${cell.row}"][data-column="${cell.column}"]`);
      if (!target) continue;
      target.classList.add('bad');
      target.title = cell.message;
      if (!focused && cell.row !== -1) {
        target.scrollIntoView({ block: 'nearest' });
        focused = true;
      }
    }
  };

  const calculate = async (): Promise<void> => {
    clearMarks();
    const result = project.calculateSettlement();
    showView(result.view);
    onEdited();
    if (result.badCells.length > 0) {
      markBadCells(result.badCells);
      await showMessage(kCaption, result.message);
    }
  };

  typeSelect.addEventListener('change', () => {
    inputs.buildingType = Number(typeSelect.value);
    showType();
    edited();
  });
  suEdit.addEventListener('input', () => {
    typedSu = suEdit.value;
    suEdit.classList.remove('bad');
    suEdit.title = '';
    edited();
  });

  const opened = project.openSettlementWindow();
  notice.textContent = opened.notice;
  notice.hidden = opened.notice === '';
  renderRows();
  showType();
  report.replaceChildren(element('div', { class: 'start-hint' }, 'Результаты расчета появятся здесь после нажатия «Рассчитать».'));
  printButton.disabled = true;
  window.open();
  showView(opened.view);
  const resized = new ResizeObserver(() => showPicture());
  resized.observe(picture);
  await window.whenClosed();
  resized.disconnect();
}

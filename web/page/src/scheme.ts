// SPDX-License-Identifier: GPL-3.0-or-later
// "Схема фундамента": the scheme document drawn by the core at the settings' scale, zoomed on the
// screen (buttons, Ctrl+wheel, Ctrl+plus/minus, Ctrl+0 for 100 %, Ctrl+9 to fit) and printed as the
// printed report's scheme page.

import type { Project } from './api';
import { button, element, Window } from './dialogs';
import { printPages, sizedSvg } from './print';

const kZooms = [0.25, 0.33, 0.5, 0.67, 0.75, 0.9, 1, 1.25, 1.5, 2, 3, 4, 6, 8];

export async function showScheme(project: Project): Promise<void> {
  const svg = project.schemeSvg();
  const window = new Window('Схема фундамента', 'scheme-window');
  const view = element('div', { class: 'scheme-view', tabindex: '0' });
  const label = element('span', { class: 'zoom-label' });
  let zoom = 1;
  let natural = { width: 0, height: 0 };
  const show = (value: number): void => {
    zoom = Math.min(8, Math.max(0.1, value));
    const sized = sizedSvg(svg, zoom);
    natural = sized;
    view.innerHTML = sized.html;
    label.textContent = `${Math.round(zoom * 100)} %`;
  };
  const step = (direction: number): void => {
    const next = direction > 0 ? kZooms.find((z) => z > zoom + 1e-6) : [...kZooms].reverse().find((z) => z < zoom - 1e-6);
    show(next ?? zoom);
  };
  const fit = (): void => {
    const width = view.clientWidth - 8;
    const height = view.clientHeight - 8;
    if (natural.width > 0 && width > 0 && height > 0) show(Math.min(width / natural.width, height / natural.height));
  };
  const tools = element(
    'div',
    { class: 'window-tools' },
    button('−', () => step(-1), { title: 'Уменьшить (Ctrl+минус, Ctrl+колесо мыши)', 'data-command': 'zoom-out' }),
    label,
    button('+', () => step(1), { title: 'Увеличить (Ctrl+плюс, Ctrl+колесо мыши)', 'data-command': 'zoom-in' }),
    button('100 %', () => show(1), { title: 'Масштаб из настроек (Ctrl+0)', 'data-command': 'actual-size' }),
    button('По размеру окна', fit, { title: 'Схема целиком в окне (Ctrl+9)', 'data-command': 'fit' }),
  );
  view.addEventListener('wheel', (event) => {
    if (!event.ctrlKey) return;
    event.preventDefault();
    step(event.deltaY < 0 ? 1 : -1);
  });
  window.dialog.addEventListener('keydown', (event) => {
    if (!event.ctrlKey) return;
    const actions: Record<string, () => void> = { '+': () => step(1), '=': () => step(1), '-': () => step(-1), '0': () => show(1), '9': fit };
    const action = actions[event.key];
    if (action) {
      event.preventDefault();
      action();
    }
  });
  window.body.append(tools, view);
  window.buttons.append(
    button('Печать', () => printPages([project.printedPages()[2]]), { 'data-command': 'print-scheme' }),
    button('Закрыть', () => window.close(), { class: 'default' }),
  );
  show(1);
  window.open();
  view.focus();
  // on a screen too small for it (a phone) the scheme opens whole
  if (natural.width > view.clientWidth || natural.height > view.clientHeight) fit();
  await window.whenClosed();
}

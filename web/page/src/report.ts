// SPDX-License-Identifier: GPL-3.0-or-later
// A report pane: the lines as the core wrote them, the failures in red bold, tabs kept.

import type { ReportLine } from './api';
import { element } from './dialogs';

export function fillReport(pane: HTMLElement, lines: ReportLine[]): void {
  const fragment = document.createDocumentFragment();
  for (const line of lines) {
    const row = element('div', { class: line.failure ? 'line failure' : 'line' }, line.text === '' ? '\u00a0' : line.text);
    fragment.append(row);
  }
  pane.replaceChildren(fragment);
}

// The lines as the pane shows them, failures marked by their colour: what the check tool reads.
export function reportLines(pane: HTMLElement): ReportLine[] {
  return Array.from(pane.querySelectorAll<HTMLElement>('.line')).map((row) => ({
    text: row.textContent === '\u00a0' ? '' : (row.textContent ?? ''),
    failure: getComputedStyle(row).color === 'rgb(255, 0, 0)' && Number(getComputedStyle(row).fontWeight) >= 700,
  }));
}

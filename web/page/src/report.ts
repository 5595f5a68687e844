// SPDX-License-Identifier: GPL-3.0-or-later
// A report pane: the lines as the core wrote them, the failures in red bold, and the tab stops set
// as the desktop's pane sets them, at the distance that lines the tabbed values up in the fewest
// columns.

import type { ReportLine } from './api';
import { element } from './dialogs';

type Width = (text: string) => number;

// Where the text after the last tab of `line` starts; -1 without a tab.
function columnAfterTabs(line: string, distance: number, width: Width): number {
  let x = 0;
  let start = 0;
  let anyTab = false;
  for (let i = 0; i < line.length; ++i) {
    if (line[i] !== '\t') continue;
    anyTab = true;
    x += width(line.slice(start, i));
    // a tab always moves on, even from a stop
    x = (Math.floor(x / distance + 1e-9) + 1) * distance;
    start = i + 1;
  }
  return anyTab ? x : -1;
}

// The distance in [shortest, longest] pixels with the fewest different columns; of equals, the shortest.
export function chooseTabDistance(lines: string[], width: Width, shortest = 24, longest = 96): number {
  const tabbed = lines.filter((line) => line.includes('\t'));
  let best = shortest;
  let fewest = -1;
  for (let distance = shortest; distance <= longest; ++distance) {
    const columns = new Set(tabbed.map((line) => Math.round(columnAfterTabs(line, distance, width))));
    if (fewest < 0 || columns.size < fewest) {
      fewest = columns.size;
      best = distance;
    }
  }
  return best;
}

export function fillReport(pane: HTMLElement, lines: ReportLine[]): void {
  const fragment = document.createDocumentFragment();
  for (const line of lines) {
    fragment.append(element('div', { class: line.failure ? 'line failure' : 'line' }, line.text === '' ? '\u00a0' : line.text));
  }
  pane.replaceChildren(fragment);
  const context = document.createElement('canvas').getContext('2d');
  if (context) {
    const style = getComputedStyle(pane);
    context.font = `${style.fontSize} ${style.fontFamily}`;
    const widths = new Map<string, number>();
    const width: Width = (text) => {
      let known = widths.get(text);
      if (known === undefined) {
        known = context.measureText(text).width;
        widths.set(text, known);
      }
      return known;
    };
    pane.style.tabSize = `${chooseTabDistance(lines.map((line) => line.text), width)}px`;
  }
}

// SPDX-License-Identifier: GPL-3.0-or-later
// "Пояснительная записка": the core's note of the last calculation as its HTML page, on the screen,
// printed through the browser and saved as HTML or as the desktop's ODT.

import type { Project } from './api';
import { button, Window } from './dialogs';
import { saveFile, utf8 } from './files';

export async function showNote(project: Project, baseName: string): Promise<void> {
  const html = project.noteHtml();
  const window = new Window('Пояснительная записка', 'note-window');
  const frame = document.createElement('iframe');
  frame.className = 'note-frame';
  frame.title = 'Пояснительная записка';
  frame.srcdoc = html;
  window.body.append(frame);
  window.buttons.append(
    button(
      'Сохранить...',
      () => void saveFile(`${baseName} - записка.html`, utf8(html), 'Веб-страница', 'text/html', '.html'),
      { title: 'Сохранить записку в HTML (одна страница со схемой)', 'data-command': 'save-note' },
    ),
    button(
      'Сохранить ODT...',
      () =>
        void saveFile(
          `${baseName} - записка.odt`,
          project.noteOdt(),
          'Документ OpenDocument',
          'application/vnd.oasis.opendocument.text',
          '.odt',
        ),
      { title: 'Сохранить записку в ODT (LibreOffice, Word)', 'data-command': 'save-note-odt' },
    ),
    button('Печать', () => frame.contentWindow?.print(), { 'data-command': 'print-note' }),
    button('Закрыть', () => window.close(), { class: 'default' }),
  );
  window.open();
  await window.whenClosed();
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The page's windows: modal <dialog> elements with a title bar, a body and a row of buttons, and
// the message box and the question that the desktop's windows ask.

export function element<K extends keyof HTMLElementTagNameMap>(
  tag: K,
  attributes: Record<string, string> = {},
  ...children: (Node | string)[]
): HTMLElementTagNameMap[K] {
  const node = document.createElement(tag);
  for (const [name, value] of Object.entries(attributes)) {
    if (name === 'class') node.className = value;
    else node.setAttribute(name, value);
  }
  node.append(...children);
  return node;
}

export function button(text: string, onClick: () => void, attributes: Record<string, string> = {}): HTMLButtonElement {
  const b = element('button', { type: 'button', ...attributes }, text);
  b.addEventListener('click', onClick);
  return b;
}

// A modal window. `onCancel` runs for Esc and the close box; without it they close the window.
export class Window {
  readonly dialog: HTMLDialogElement;
  readonly body: HTMLDivElement;
  readonly buttons: HTMLDivElement;
  private closed: (() => void)[] = [];

  constructor(title: string, name: string, private readonly onCancel?: () => void) {
    const close = element('button', { type: 'button', class: 'close-box', 'aria-label': 'Закрыть' }, '×');
    close.addEventListener('click', () => this.cancel());
    this.body = element('div', { class: 'window-body' });
    this.buttons = element('div', { class: 'window-buttons' });
    this.dialog = element(
      'dialog',
      { class: `window ${name}`, 'aria-label': title, 'data-window': name },
      element('div', { class: 'window-title' }, element('span', {}, title), close),
      this.body,
      this.buttons,
    );
    this.dialog.addEventListener('cancel', (event) => {
      event.preventDefault();
      this.cancel();
    });
  }

  open(): void {
    document.body.append(this.dialog);
    this.dialog.showModal();
  }

  // Resolves when the window has closed.
  whenClosed(): Promise<void> {
    if (!this.dialog.isConnected) return Promise.resolve();
    return new Promise((resolve) => this.closed.push(resolve));
  }

  close(): void {
    if (!this.dialog.isConnected) return;
    this.dialog.close();
    this.dialog.remove();
    for (const resolve of this.closed.splice(0)) resolve();
  }

  cancel(): void {
    if (this.onCancel) this.onCancel();
    else this.close();
  }
}

// A message box with "OK".
export function showMessage(caption: string, text: string): Promise<void> {
  return ask(caption, text, ['OK'], 0, 0).then(() => undefined);
}

// A question: the index of the button pressed; Esc and the close box give `escape`.
export function ask(caption: string, text: string, buttons: string[], preferred: number, escape: number): Promise<number> {
  return new Promise((resolve) => {
    let answer = escape;
    const box = new Window(caption, 'message', () => {
      answer = escape;
      box.close();
    });
    box.body.append(element('div', { class: 'message-text', role: 'alert' }, text));
    buttons.forEach((label, index) => {
      const b = button(label, () => {
        answer = index;
        box.close();
      });
      box.buttons.append(b);
      if (index === preferred) b.classList.add('default');
    });
    box.open();
    (box.buttons.children[preferred] as HTMLButtonElement | undefined)?.focus();
    void box.whenClosed().then(() => resolve(answer));
  });
}

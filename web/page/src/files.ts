// SPDX-License-Identifier: GPL-3.0-or-later
// Files of the user's disk: a .dan chosen to open, and what the page saves — through the File System
// Access API's save dialog where the browser has it, as a download elsewhere.

export interface Chosen {
  name: string;
  bytes: Uint8Array;
}

// The browser's file dialog for a .dan; null when it was cancelled.
export function chooseFile(accept: string): Promise<Chosen | null> {
  return new Promise((resolve) => {
    const input = document.createElement('input');
    input.type = 'file';
    input.accept = accept;
    input.dataset.command = 'open-file';
    input.style.display = 'none';
    input.addEventListener('change', async () => {
      const file = input.files?.[0];
      input.remove();
      resolve(file ? { name: file.name, bytes: new Uint8Array(await file.arrayBuffer()) } : null);
    });
    input.addEventListener('cancel', () => {
      input.remove();
      resolve(null);
    });
    document.body.append(input);
    input.click();
  });
}

export interface SaveHandle {
  name: string;
  createWritable(): Promise<{ write(data: Uint8Array): Promise<void>; close(): Promise<void> }>;
}
interface SavePicker {
  showSaveFilePicker?: (options: {
    suggestedName: string;
    types: { description: string; accept: Record<string, string[]> }[];
  }) => Promise<SaveHandle>;
}

export interface Saved {
  name: string;
  handle: SaveHandle | null; // where "Сохранить" writes again without asking
}

// Saves `bytes` under a name the user may change (or into `again`, a file saved before); where it
// was saved, null when cancelled.
export async function saveFile(
  suggestedName: string,
  bytes: Uint8Array,
  description: string,
  mime: string,
  extension: string,
  again: SaveHandle | null = null,
): Promise<Saved | null> {
  const picker = (window as unknown as SavePicker).showSaveFilePicker;
  if (again || picker) {
    let handle: SaveHandle;
    try {
      handle = again ?? (await picker!({ suggestedName, types: [{ description, accept: { [mime]: [extension] } }] }));
    } catch (error) {
      if (error instanceof DOMException && error.name === 'AbortError') return null;
      throw error;
    }
    const writable = await handle.createWritable();
    await writable.write(bytes);
    await writable.close();
    return { name: handle.name, handle };
  }
  const link = document.createElement('a');
  link.href = URL.createObjectURL(new Blob([bytes as BlobPart], { type: mime }));
  link.download = suggestedName;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(link.href), 10000);
  return { name: suggestedName, handle: null };
}

export function utf8(text: string): Uint8Array {
  return new TextEncoder().encode(text);
}

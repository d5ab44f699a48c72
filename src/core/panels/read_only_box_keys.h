#pragma once

namespace glyphora {

// Whether a key reaches a read-only box (the clipboard preview, or the entity box when is_entity)
// or is swallowed. End, Home and the arrows always pass, and so does Tab for the preview and
// Enter for the entity box; any other key is swallowed when it comes without shift keys, with
// Shift (alone or with others), or as Ctrl+V; keys with Ctrl or Alt otherwise pass, so Ctrl+C and
// Ctrl+A work. Key codes and shift bits as EditCommandForKey takes them.
bool ReadOnlyBoxKeyPasses(int key_code, int shift, bool is_entity);

}  // namespace glyphora

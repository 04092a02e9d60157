// A per-keystroke notification for text fields: the handler sees the code of
// each typed character before it is inserted and may replace it, or set it to 0
// to discard the keystroke. Keys that type no character (arrows, Tab, function
// keys) never reach it. Clipboard and undo shortcuts that type a control code
// reach it too, but their action is the toolkit's and goes ahead whatever the
// handler answers, so that paste stays available; pasted text is not filtered.
#pragma once

#include <cstdint>
#include <functional>

class QLineEdit;

// The code a character has in the single-byte code page, or -1 when it has
// none (no filter admits -1).
inline constexpr std::int16_t NoSingleByteCode = -1;

using KeyPressHandler = std::function<void(std::int16_t& key)>;
void InstallKeyPressHandler(QLineEdit* edit, KeyPressHandler handler);

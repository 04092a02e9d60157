// Writes that fail at one stage, as a full disk or a vanished folder would,
// put in place of the real write steps of WriteMenuFile.
#pragma once

enum class WriteFault { None, Open, Write, Flush, Commit };

// The writes from now on fail at `fault`; None gives back the real steps.
void SetWriteFault(WriteFault fault);

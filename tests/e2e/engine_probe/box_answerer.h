// Answers the message boxes of this process from a thread of its own, so that
// a check can run the engine's failure and question paths unattended. Each
// box is written to stdout as one line before it is answered:
//   box caption=<caption> text=<text, line breaks as "|">[ buttons=<Yes>|<No>]
#pragma once

// Questions get Yes, or No when `decline`; other boxes get OK.
void StartBoxAnswerer(bool decline);

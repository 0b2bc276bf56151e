// A running product holds its files open; it is asked to quit before they go.
#pragma once

// When the product's running marker exists: posts WM_QUIT to its main window
// (if it has one) and waits up to about five seconds for the marker to go.
// Goes on either way; files still held are reported by the removal.
void StopRunningProduct();

// What happens after the setup form has closed: the installation, the
// completion message and, if the user asked for it, the start of the product.
#pragma once

// Installs the product when the user confirmed the form. On success shows the
// completion message; then, with "run after installation", starts the product
// and brings its main window to the front once it appears. Silent when the
// form was not confirmed or the installation failed (it has reported itself).
void CompleteSetup();

// Starts the installed product from its own folder. Failures are not reported.
void RunInstalledProgram();

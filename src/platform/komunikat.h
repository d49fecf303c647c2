// Error messages of the image reader: a modal box captioned "Error", or standard error.
#pragma once

void PokazBlad(const char* tekst);   // ReadDIBFile: shows tekst and waits until dismissed

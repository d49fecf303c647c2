// The 2D overlays of a frame, drawn in the 640x480 overlay space over the 3D view.
#pragma once

void RysujNakladki();   // Wyswietlaj: what Stan and Klatki call for, after the actors

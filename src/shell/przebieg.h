// The frame loop and the transitions between game states.
#pragma once

void IdleStep();        // idle callback: one game frame
void Timer(int value);  // one-second timer: every ghost takes its random decision; re-arms itself
void UpdateFPS();       // end of every IdleStep: recounts fps once per whole second
void Inicjalizuj();     // start-up and leaving the end screen: the intro
void NowaGra();         // menu entry 1: level 1 from scratch
void NastepnaPlansza(); // IdleStep in NextPlansza: next level or the end screen
void ResetPlanszy();    // IdleStep in Reset: actors back on their start cells
void UruchomZegary();   // start-up, just before the main loop: arms Timer, takes CzasStary

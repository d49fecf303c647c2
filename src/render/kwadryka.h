// The quadric every sphere of the game is drawn with: the actors' and the bonus list's.
#pragma once

struct GLUquadric;

// Makes kwadryka, if it has none yet: filled, smooth normals, facing outward, textured.
// Left null when GLU is out of memory; the sphere is then not drawn. Every quadric made
// here is freed at exit (std::atexit, registered with the first one).
void DajKwadryke(GLUquadric*& kwadryka);

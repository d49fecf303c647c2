// The offscreen context itself: clearing reads back the clear colour.
#include "support/gl_kontekst.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

TEST(KontekstGL, CzyszczenieDajeKolorTla)
{
    ASSERT_TRUE(UtworzKontekstGL(64, 48));
    glClearColor(0.5f, 0.5f, 0.5f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    auto p = Piksel(10, 10);
    EXPECT_NEAR(p[0], 128, 1);
    EXPECT_NEAR(p[2], 128, 1);
}

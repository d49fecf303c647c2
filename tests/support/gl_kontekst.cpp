// EGL surfaceless context with a framebuffer object; GL 3 entry points come through
// eglGetProcAddress because the GL library only promises the old ones.
#include "support/gl_kontekst.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <GL/gl.h>
#include <GL/glext.h>

#include <cstdio>
#include <vector>

namespace {

EGLDisplay Ekran = EGL_NO_DISPLAY;
EGLContext Kontekst = EGL_NO_CONTEXT;
GLuint Fbo = 0, KolorRb = 0, GlebiaRb = 0;
int Szer = 0, Wys = 0;

PFNGLGENFRAMEBUFFERSPROC genFramebuffers;
PFNGLBINDFRAMEBUFFERPROC bindFramebuffer;
PFNGLGENRENDERBUFFERSPROC genRenderbuffers;
PFNGLBINDRENDERBUFFERPROC bindRenderbuffer;
PFNGLRENDERBUFFERSTORAGEPROC renderbufferStorage;
PFNGLFRAMEBUFFERRENDERBUFFERPROC framebufferRenderbuffer;
PFNGLCHECKFRAMEBUFFERSTATUSPROC checkFramebufferStatus;

template <class F>
bool Wez(F& f, const char* nazwa)
{
    f = reinterpret_cast<F>(eglGetProcAddress(nazwa));
    return f != nullptr;
}

bool OtworzEGL()
{
    auto getPlatformDisplay = reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(
        eglGetProcAddress("eglGetPlatformDisplayEXT"));
    if (getPlatformDisplay == nullptr)
        return false;
    Ekran = getPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
    if (Ekran == EGL_NO_DISPLAY || !eglInitialize(Ekran, nullptr, nullptr))
        return false;
    if (!eglBindAPI(EGL_OPENGL_API))
        return false;
    Kontekst = eglCreateContext(Ekran, EGL_NO_CONFIG_KHR, EGL_NO_CONTEXT, nullptr);
    if (Kontekst == EGL_NO_CONTEXT || !eglMakeCurrent(Ekran, EGL_NO_SURFACE, EGL_NO_SURFACE, Kontekst))
        return false;
    return Wez(genFramebuffers, "glGenFramebuffers") && Wez(bindFramebuffer, "glBindFramebuffer") &&
           Wez(genRenderbuffers, "glGenRenderbuffers") && Wez(bindRenderbuffer, "glBindRenderbuffer") &&
           Wez(renderbufferStorage, "glRenderbufferStorage") &&
           Wez(framebufferRenderbuffer, "glFramebufferRenderbuffer") &&
           Wez(checkFramebufferStatus, "glCheckFramebufferStatus");
}

} // namespace

bool UtworzKontekstGL(int w, int h)
{
    if (Kontekst == EGL_NO_CONTEXT && !OtworzEGL())
        return false;
    if (Fbo == 0) {
        genFramebuffers(1, &Fbo);
        genRenderbuffers(1, &KolorRb);
        genRenderbuffers(1, &GlebiaRb);
    }
    bindFramebuffer(GL_FRAMEBUFFER, Fbo);
    bindRenderbuffer(GL_RENDERBUFFER, KolorRb);
    renderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, w, h);
    framebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, KolorRb);
    bindRenderbuffer(GL_RENDERBUFFER, GlebiaRb);
    renderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, w, h);
    framebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, GlebiaRb);
    Szer = w;
    Wys = h;
    glViewport(0, 0, w, h);
    return checkFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
}

std::array<uint8_t, 3> Piksel(int x, int y)
{
    uint8_t rgba[4] = {0, 0, 0, 0};
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    return {rgba[0], rgba[1], rgba[2]};
}

bool ZapiszPPM(const char* sciezka)
{
    std::vector<uint8_t> rgb(static_cast<size_t>(Szer) * Wys * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, Szer, Wys, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    FILE* f = std::fopen(sciezka, "wb");
    if (f == nullptr)
        return false;
    std::fprintf(f, "P6\n%d %d\n255\n", Szer, Wys);
    for (int y = Wys - 1; y >= 0; --y)   // PPM runs top to bottom
        std::fwrite(&rgb[static_cast<size_t>(y) * Szer * 3], 1, static_cast<size_t>(Szer) * 3, f);
    return std::fclose(f) == 0;
}

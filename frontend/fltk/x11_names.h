// The X11 headers that some of the toolkit's headers include name a type `Window`, as the
// model names its window class, and define macros with everyday names. A file that needs both
// includes this header before any other: the X11 type is then declared as XWindow, the macros
// that clash with ordinary identifiers are removed, and later includes of the X11 headers find
// them done.
#pragma once

#define Window XWindow
#include <FL/x.H>
// Toolkit headers that use the X11 type by name.
#include <FL/Fl_Copy_Surface.H>
#include <FL/Fl_Image_Surface.H>
#undef Window

#undef None
#undef Bool
#undef Status
#undef True
#undef False
#undef Success
#undef Always

// The utility's pictures, drawn at start-up: the application icon and the About page's
// bitmap.
#pragma once

#include "platform/gdi/surface.h"

constexpr int kIconSize = 32;
constexpr int kAboutPictureWidth = 176;
constexpr int kAboutPictureHeight = 62;

// A blue tile with four rising signal bars.
Surface DrawApplicationIcon();
// A blue-to-teal horizontal gradient with a row of rising signal bars and a base line.
Surface DrawAboutPicture();

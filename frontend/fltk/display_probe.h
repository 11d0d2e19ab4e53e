// Whether a desktop can be shown: an X display is named and answers.
#pragma once

bool DesktopDisplayAvailable();

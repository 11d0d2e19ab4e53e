// The font library behind the toolkit's text drawing keeps its pattern caches for the life of
// the process without a pointer the leak checker can see: its reports are not ours.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

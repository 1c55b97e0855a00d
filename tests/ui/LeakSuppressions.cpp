// Leak reports that are not ours, for the sanitized UI tests: fontconfig keeps the font patterns that it
// loaded for the toolkit's labels until the process ends.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

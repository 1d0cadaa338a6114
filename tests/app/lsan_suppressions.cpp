// Under the leak sanitizer: fontconfig keeps its configuration until the process ends and
// Qt never releases it. That is not ours to fix, so it is not reported.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

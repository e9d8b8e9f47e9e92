// Leak sanitizer builds: fontconfig 2.14 loses a block while it parses its configuration files,
// which happens once per process. Only that library is named; the project's own leaks still fail.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}

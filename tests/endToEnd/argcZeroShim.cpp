// Preloaded into the dynamically linked varnock: starts its main with a true
// argc of 0 and an argument vector that holds only its terminating null.
// execve can no longer do that (the kernel gives an empty vector one empty
// word), but older kernels and other starters still can.
#include <dlfcn.h>

namespace {

using Main = int (*)(int, char**, char**);
Main realMain = nullptr;

int mainWithoutArguments(int argc, char** argv, char** environment)
{
    return realMain(0, argv + argc, environment);
}

} // namespace

extern "C" int __libc_start_main(Main main, int argc, char** argv, void (*init)(), void (*fini)(),
                                 void (*rtldFini)(), void* stackEnd)
{
    using Start = decltype(&__libc_start_main);
    const auto start = reinterpret_cast<Start>(dlsym(RTLD_NEXT, "__libc_start_main"));
    realMain = main;
    return start(mainWithoutArguments, argc, argv, init, fini, rtldFini, stackEnd);
}

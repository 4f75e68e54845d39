#pragma once

#include <cstdio>
#include <cstdlib>

// A broken invariant stops the fuzzer on the input that broke it.
#define VERIFIE(condition)                                                                                   \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            std::fprintf(stderr, "%s:%d : invariant rompu : %s\n", __FILE__, __LINE__, #condition);          \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (false)

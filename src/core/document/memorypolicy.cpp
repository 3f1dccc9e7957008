// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/document/memorypolicy.h"

#include <cstdlib> // defines __GLIBC__ on the systems that have it

#if defined(__GLIBC__)
#include <malloc.h>
#endif

void giveLargeBlocksBack()
{
#if defined(__GLIBC__)
    // Fixing the threshold stops the C library from raising it each time a
    // large block is freed, which is what keeps later pieces in the heap.
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
#endif
}

void giveFreedMemoryBack()
{
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

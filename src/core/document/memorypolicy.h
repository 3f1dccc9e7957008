// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Has every large block of memory the program frees go back to the system at
// once. A page of many megabytes passes through pieces of a megabyte or so
// while it is read and put into the editor; left to itself, the C library
// keeps such pieces for reuse once the first big buffer was freed, and the
// program stays larger by the size of the page. Called first thing in main().
void giveLargeBlocksBack();

// Gives back to the system the free memory inside the program's heap. Tables
// that grow by doubling leave their old, smaller copies behind as holes, which
// on a page of many megabytes add up to a good part of its size.
void giveFreedMemoryBack();

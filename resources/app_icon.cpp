// The application icon, drawn for this program: a gauge dial in 32x32 and 16x16 pixels,
// sixteen-colour palette.

#include "resources/program_resources.h"

namespace {

const char* const kIcon32[] = {
    "32 32 6 1",
    "  c #000080",
    "d c #808080",
    "k c #000000",
    "r c #FF0000",
    "w c #FFFFFF",
    "y c #FFFF00",
    "kkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkk",
    "k                              k",
    "k                              k",
    "k          dddddddddd          k",
    "k        dddddddddddddd        k",
    "k       dddwwwwkwwwwwddd       k",
    "k     ddddkwwwwkwwwwkkdddd     k",
    "k     ddwwkwwwwwwwwwkwrrdd     k",
    "k    ddwwwwwwwwwwwwwwrrwwdd    k",
    "k   dddwwwwwwwwwwwwwrrwwwddd   k",
    "k   ddkwwwwwwwwwwwwwrrwwkkdd   k",
    "k  ddwkkwwwwwwwwwwwrrwwwwwwdd  k",
    "k  ddwwwwwwwwwwwwwrrwwwwwwwdd  k",
    "k  ddwwwwwwwwwwwwrrwwwwwwwwdd  k",
    "k  ddwwwwwwwwwkkkkwwwwwwwwwdd  k",
    "k  ddwwwwwwwwwkkkkwwwwwwwkkdd  k",
    "k  ddwwwwwwwwwkkkkwwwwwwwwwdd  k",
    "k  ddwwwwwwwwwkkkkwwwwwwwwwdd  k",
    "k  ddwwwwwwwwwwwwwwwwwwwwwwdd  k",
    "k  ddwwwwwwwwwwwwwwwwwwwwwwdd  k",
    "k  ddwwwwwwwwwwwwwwwwwwwwwwdd  k",
    "k   ddwwwwwwwwwwwwwwwwwwwwdd   k",
    "k   dddwwwwwwwwwwwwwwwwwwddd   k",
    "k    ddwwwwwwwwwwwwwwwwwwdd    k",
    "k     ddwwwwwwwwwwwwwwwwdd     k",
    "k     ddddwwwwwwwwwwwwdddd     k",
    "k       dddwwwwwwwwwwddd       k",
    "k       yddddddddddddddy       k",
    "k       yyyddddddddddyyy       k",
    "k       yyyyyyyyyyyyyyyy       k",
    "k                              k",
    "kkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkk",
};

const char* const kIcon16[] = {
    "16 16 5 1",
    "  c #000080",
    "d c #808080",
    "k c #000000",
    "r c #FF0000",
    "w c #FFFFFF",
    "kkkkkkkkkkkkkkkk",
    "k     dddd     k",
    "k   ddwkwwdd   k",
    "k  dwwwwwwkrd  k",
    "k dwwwwwwwrrwd k",
    "k dkwwwwwrrwwd k",
    "kdwwwwwwrrwwwwdk",
    "kdwwwwwkkwwwwkdk",
    "kdwwwwwkkwwwwwdk",
    "kdwwwwwwwwwwwwdk",
    "k dwwwwwwwwwwd k",
    "k dwwwwwwwwwwd k",
    "k  dwwwwwwwwd  k",
    "k   ddwwwwdd   k",
    "k     dddd     k",
    "kkkkkkkkkkkkkkkk",
};

} // namespace

const IconImage kApplicationIconImages[2] = {kIcon32, kIcon16};

#include "bank/question_pictures.h"

#include <array>
#include <utility>

namespace {

using PicturePair = std::pair<int, int>; // record number, bitmap id

// Ascending by record number. Records 39 and 41 swap their bitmaps' order; no record shows bitmap
// 139, and there is no bitmap 106.
constexpr std::array<PicturePair, 68> PictureTable{{
    {1, 101},   {2, 102},   {3, 103},   {4, 104},   {5, 105},   {8, 107},   {11, 108},  {12, 109},  {13, 110},
    {22, 111},  {25, 112},  {28, 113},  {29, 114},  {31, 115},  {35, 116},  {39, 118},  {41, 117},  {42, 119},
    {48, 120},  {50, 121},  {51, 122},  {52, 123},  {53, 124},  {54, 125},  {57, 126},  {62, 127},  {66, 128},
    {67, 129},  {68, 130},  {69, 131},  {75, 132},  {78, 133},  {79, 134},  {80, 135},  {82, 136},  {84, 137},
    {85, 138},  {91, 140},  {92, 141},  {93, 142},  {96, 143},  {98, 144},  {99, 145},  {101, 146}, {108, 147},
    {113, 148}, {114, 149}, {118, 150}, {120, 151}, {122, 152}, {124, 153}, {127, 154}, {128, 155}, {131, 156},
    {133, 157}, {136, 158}, {138, 159}, {139, 160}, {141, 161}, {142, 162}, {145, 163}, {147, 164}, {151, 165},
    {157, 166}, {158, 167}, {162, 168}, {163, 169}, {169, 170},
}};

} // namespace

namespace bank {

std::optional<int> questionPictureId(int recordNumber)
{
    for (const auto &[record, bitmap] : PictureTable) {
        if (record == recordNumber)
            return bitmap;
    }
    return std::nullopt;
}

int questionPictureCount()
{
    return int(PictureTable.size());
}

int questionPictureRecord(int index)
{
    return PictureTable.at(index).first;
}

} // namespace bank

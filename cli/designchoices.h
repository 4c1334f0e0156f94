#pragma once

#include <cstdio>

namespace vendrel::design {
class MaterialCatalog;
struct PipeSeries;
class SeriesCatalog;
} // namespace vendrel::design

namespace vendrel::cli {

// --material-list and --series-list: what there is, with sources; the
// user's own after the built-in ones, with the file each came from, and a
// series of --series-file last.
void PrintMaterialList(const design::MaterialCatalog& materials, std::FILE* out);
void PrintSeriesList(const design::SeriesCatalog& series, const design::PipeSeries* fileSeries, std::FILE* out);
// --fittings-list: every fitting's key, Chinese name and the other names it
// is typed by, its K by size or by formula with the velocity it is
// referred to, and the source.
void PrintFittingsList(std::FILE* out);

} // namespace vendrel::cli

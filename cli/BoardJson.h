#pragma once
#include "model/CellBoard.h"

#include <nlohmann/json.hpp>

namespace sorvat::cli {

using Json = nlohmann::ordered_json;

Json EntriesJson(const EntryList& list);
Json BoardJson(const CellBoard& board, int analyzeResult);

} // namespace sorvat::cli

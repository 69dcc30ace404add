#pragma once
// The sample address texts the record-layer and import benchmarks draw from:
// common German names, company kinds, places, streets and industries.

#include <cstddef>
#include <random>

namespace velkora::bench {

inline const char* kNames[] = {
    "Müller",   "Schmidt",    "Schneider", "Fischer", "Weber",   "Meyer",    "Wagner", "Becker",   "Schulz",
    "Hoffmann", "Schäfer",    "Koch",      "Bauer",   "Richter", "Klein",    "Wolf",   "Schröder", "Neumann",
    "Schwarz",  "Zimmermann", "Braun",     "Krüger",  "Hofmann", "Hartmann", "Lange",  "Schmitt"};
inline const char* kKinds[] = {"GmbH",   "AG",  "KG",      "& Co.",   "e.K.",
                               "Handel", "Bau", "Technik", "Service", "Consulting"};
inline const char* kPlaces[] = {"Berlin",    "Hamburg",    "München",  "Köln",     "Frankfurt am Main",
                                "Stuttgart", "Düsseldorf", "Leipzig",  "Dortmund", "Essen",
                                "Bremen",    "Dresden",    "Hannover", "Nürnberg", "Duisburg"};
inline const char* kStreets[] = {"Hauptstraße", "Schulstraße", "Gartenstraße", "Bahnhofstraße",
                                 "Dorfstraße",  "Bergstraße",  "Birkenweg",    "Lindenstraße",
                                 "Kirchstraße", "Waldstraße",  "Ringstraße",   "Schillerstraße"};
inline const char* kIndustries[] = {"EDV",     "HANDEL", "BAU",      "BERATUNG",
                                    "MEDIZIN", "GASTRO", "LOGISTIK", "DRUCK"};

template <std::size_t N> const char* pick(const char* (&list)[N], std::mt19937& random) {
    return list[random() % N];
}

} // namespace velkora::bench

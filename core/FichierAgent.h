#pragma once

#include "FeuilleVorn.h"
#include "ModuleVorn.h"

#include <cstddef>
#include <string>
#include <string_view>

// The agent file (.vorn): the player's choices only, as the sheet shows
// them, in indented UTF-8 JSON. Every derived value is left out: opening
// replays the choices through the rules and recomputes them.

inline constexpr std::string_view FormatAgent = "ZazUvureVorn-agent";
inline constexpr int VersionAgent = 1;
// Larger files are refused before they are read: a real agent takes about 2 KiB.
inline constexpr std::size_t TailleMaxAgent = std::size_t{1} << 20;
// The file chooser's filter for agent files.
inline constexpr std::string_view FiltreAgents = "Agents ZazUvureVorn (*.vorn)";

// The file's text for the agent on the sheet.
std::string EcrireAgent(const FeuilleVorn& f);

// Builds the agent of `contenu` on a fresh record `m` and its sheet `f`
// (made from `m`, never loaded yet), by replaying every choice through the
// same rules as the screens. Returns the empty string on success, else the
// first fault in French; `m` and `f` are then left in an unspecified state,
// so callers open into scratch objects and copy only on success.
// Never throws.
std::string OuvrirAgent(std::string_view contenu, ModuleVorn& m, FeuilleVorn& f);

// Checks `contenu` as OuvrirAgent does, without keeping the agent.
std::string VerifierAgent(std::string_view contenu);

// A file name that FAT, exFAT and SMB shares accept, from the character's
// name: their forbidden characters and control characters become '_', and
// a long name is cut to what file systems take.
std::string NomFichierAgent(std::string_view nomPerso);

// Any bytes given to the agent reader are either refused with a reason or a
// legal agent: within its budget, and saved again it opens to the same file.
#include "FichierAgent.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view contenu(reinterpret_cast<const char*>(data), size);
    ModuleVorn m;
    FeuilleVorn f(m);
    if (!OuvrirAgent(contenu, m, f).empty()) return 0;
    if (m.PtRestants < 0 || f.TxtPtGénération != std::to_string(m.PtRestants)) std::abort();
    const std::string texte = EcrireAgent(f);
    ModuleVorn m2;
    FeuilleVorn f2(m2);
    if (!OuvrirAgent(texte, m2, f2).empty() || EcrireAgent(f2) != texte) std::abort();
    return 0;
}

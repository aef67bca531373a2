#include "FichierAgent.h"

#include "ChampsExperience.h"
#include "Choix.h"
#include "Tables.h"
#include "Texte.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <deque>
#include <limits>
#include <optional>
#include <vector>

namespace {

using json = nlohmann::ordered_json;

// An ordinary agent nests three deep and holds at most 24 entries in one
// object; the limits keep hostile files cheap to refuse.
constexpr std::size_t ProfondeurMax = 8;
constexpr std::size_t ElementsMax = 100;
// Enough for every choice at once, so that a replay on it never runs out
// and tells by how much the real budget is overdrawn (16-bit like the record).
constexpr std::int16_t BudgetLibre = 30000;

constexpr std::string_view Illisible = "Fichier tronqué ou illisible";
constexpr std::array<std::string_view, 3> Etats{"non prise", "prise", "gratuite"};

// A fault found in the file: carries the reason to the one catch in OuvrirAgent.
struct Refus {
    std::string raison;
};
// A purchase that the rules refused for want of points.
struct Depassement {};

[[noreturn]] void refuser(std::string raison) { throw Refus{std::move(raison)}; }

std::string guillemets(std::string_view s) { return "« " + std::string(s) + " »"; }

// Where the text stops being UTF-8: npos when it all is; a sequence cut by
// the end of the file is a truncation, reported as such by the caller.
std::size_t finUtf8(std::string_view t, bool& coupe) {
    coupe = false;
    std::size_t i = 0;
    while (i < t.size()) {
        const auto c = static_cast<unsigned char>(t[i]);
        std::size_t n = 0;
        char32_t cp = 0, min = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            n = 2, cp = c & 0x1F, min = 0x80;
        } else if ((c & 0xF0) == 0xE0) {
            n = 3, cp = c & 0x0F, min = 0x800;
        } else if ((c & 0xF8) == 0xF0) {
            n = 4, cp = c & 0x07, min = 0x10000;
        } else {
            return i;
        }
        for (std::size_t k = 1; k < n; ++k) {
            if (i + k >= t.size()) {
                coupe = true;
                return i;
            }
            const auto b = static_cast<unsigned char>(t[i + k]);
            if ((b & 0xC0) != 0x80) return i;
            cp = (cp << 6) | (b & 0x3F);
        }
        if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return i;
        i += n;
    }
    return std::string_view::npos;
}

// Builds the document from the parser's events, refusing what the plain
// parser would let through: a key given twice (the last would silently win),
// deep nesting and oversized containers.
class Constructeur {
public:
    json racine;
    std::string faute;

    bool null() { return ajouter(json(nullptr)) != nullptr; }
    bool boolean(bool v) { return ajouter(json(v)) != nullptr; }
    bool number_integer(json::number_integer_t v) { return ajouter(json(v)) != nullptr; }
    bool number_unsigned(json::number_unsigned_t v) { return ajouter(json(v)) != nullptr; }
    bool number_float(json::number_float_t v, const json::string_t&) { return ajouter(json(v)) != nullptr; }
    bool string(json::string_t& v) { return ajouter(json(std::move(v))) != nullptr; }
    bool binary(json::binary_t&) { return echec(std::string(Illisible)); }
    bool start_object(std::size_t) { return ouvrir(json::object()); }
    bool start_array(std::size_t) { return ouvrir(json::array()); }
    bool end_object() { return fermer(); }
    bool end_array() { return fermer(); }
    bool key(json::string_t& k) {
        if (pile_.back()->contains(k)) return echec("Clé " + guillemets(k) + " en double");
        cle_ = std::move(k);
        return true;
    }
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) {
        return echec(std::string(Illisible));
    }

private:
    bool echec(std::string raison) {
        if (faute.empty()) faute = std::move(raison);
        return false;
    }
    json* ajouter(json v) {
        if (pile_.empty()) {
            racine = std::move(v);
            return &racine;
        }
        json& parent = *pile_.back();
        if (parent.size() >= ElementsMax) {
            echec("Trop d'éléments dans un même groupe");
            return nullptr;
        }
        if (parent.is_object()) return &(parent[cle_] = std::move(v));
        parent.push_back(std::move(v));
        return &parent.back();
    }
    bool ouvrir(json v) {
        if (pile_.size() >= ProfondeurMax) return echec("Imbrication trop profonde");
        json* j = ajouter(std::move(v));
        if (!j) return false;
        // Only the innermost open container ever grows, so these stay valid.
        pile_.push_back(j);
        return true;
    }
    bool fermer() {
        pile_.pop_back();
        return true;
    }

    std::vector<json*> pile_;
    std::string cle_;
};

json analyser(std::string_view contenu) {
    if (contenu.size() > TailleMaxAgent) refuser("Fichier trop gros (plus de 1 Mio)");
    bool coupe = false;
    if (const std::size_t pos = finUtf8(contenu, coupe); pos != std::string_view::npos) {
        if (coupe) refuser(std::string(Illisible));
        refuser("Texte qui n'est pas de l'UTF-8 (octet " + std::to_string(pos + 1) + ")");
    }
    Constructeur c;
    if (!json::sax_parse(contenu.begin(), contenu.end(), &c) || !c.faute.empty()) {
        refuser(c.faute.empty() ? std::string(Illisible) : c.faute);
    }
    return std::move(c.racine);
}

// --- Typed access, each fault named after its key -----------------------------

// `ou` names the group for the message: empty at the top, else "Compétence « Jeu » : " and the like.
std::string dans(std::string_view ou, std::string_view quoi) {
    std::string s(ou);
    s += quoi;
    if (ou.empty() && !s.empty()) s[0] = 'C';
    return s;
}

const json& membre(const json& objet, std::string_view cle, std::string_view ou) {
    const auto it = objet.find(std::string(cle));
    if (it == objet.end()) refuser(dans(ou, "clé " + guillemets(cle) + " absente"));
    return *it;
}

void seulement(const json& objet, const std::vector<std::string_view>& cles, std::string_view ou) {
    for (const auto& [cle, valeur] : objet.items()) {
        if (std::find(cles.begin(), cles.end(), cle) == cles.end())
            refuser(dans(ou, "clé inconnue " + guillemets(cle)));
    }
}

const json& objet(const json& v, std::string_view nom) {
    if (!v.is_object()) refuser(guillemets(nom) + " : groupe attendu");
    return v;
}

const std::string& texte(const json& v, std::string_view nom) {
    const auto* s = v.get_ptr<const json::string_t*>();
    if (!s) refuser(guillemets(nom) + " : texte attendu");
    return *s;
}

std::int64_t entier(const json& v, std::string_view nom) {
    if (const auto* i = v.get_ptr<const json::number_integer_t*>()) return *i;
    if (const auto* u = v.get_ptr<const json::number_unsigned_t*>()) {
        return static_cast<std::int64_t>(std::min<std::uint64_t>(*u, std::numeric_limits<std::int64_t>::max()));
    }
    refuser(guillemets(nom) + " : nombre entier attendu");
}

std::vector<std::string> textes(const json& v, std::string_view nom) {
    if (!v.is_array()) refuser(guillemets(nom) + " : liste attendue");
    std::vector<std::string> l;
    for (const json& e : v) l.push_back(texte(e, nom));
    return l;
}

// A name as the welcome and choice screens take it: not empty, one line.
std::string nom(const json& v, std::string_view cle, std::string_view libelle) {
    const std::string& n = texte(v, cle);
    if (n.empty()) refuser(std::string(libelle) + " vide");
    if (std::any_of(n.begin(), n.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; })) {
        refuser(std::string(libelle) + " : caractère de contrôle");
    }
    return n;
}

template <typename Table>
int indexDe(const Table& table, std::string_view t) {
    const auto it = std::find(table.begin(), table.end(), t);
    return it == table.end() ? -1 : static_cast<int>(it - table.begin());
}

std::string_view sansBlancs(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    return s;
}

// --- The file's choices ---------------------------------------------------------

struct ChoixFichier {
    std::string joueur, personnage;
    int rang = 0, sexe = 0, profession = 0;
    std::vector<std::string> cicatrices;
    std::array<std::int64_t, 5> caract{};
    std::array<std::string, 5> description; // Age as its decimal text, empty when none
    std::array<int, NbLignesCompetences> etats{};
    std::array<std::int64_t, NbLignesCompetences> niveaux{};
    std::vector<std::string> champsProf, champsGen;
};

constexpr std::array<std::string_view, 5> ClesDescription{"apparence", "age", "faiblesse", "taille", "poids"};

ChoixFichier lire(const json& racine) {
    if (!racine.is_object()) refuser("Ce fichier n'est pas un agent ZazUvureVorn");
    const auto format = racine.find("format");
    if (format == racine.end() || !format->is_string() || format->get_ref<const std::string&>() != FormatAgent) {
        refuser("Ce fichier n'est pas un agent ZazUvureVorn");
    }
    const std::int64_t version = entier(membre(racine, "version", ""), "version");
    if (version > VersionAgent) refuser("Format d'une version plus récente (" + std::to_string(version) + ")");
    if (version < 1) refuser("Version de format inconnue (" + std::to_string(version) + ")");
    seulement(racine,
              {"format", "version", "joueur", "personnage", "rang", "sexe", "profession", "cicatrices",
               "caracteristiques", "description", "competences", "champsExperience"},
              "");

    ChoixFichier c;
    c.joueur = nom(membre(racine, "joueur", ""), "joueur", "Nom du joueur");
    c.personnage = nom(membre(racine, "personnage", ""), "personnage", "Nom du personnage");

    const std::string& rang = texte(membre(racine, "rang", ""), "rang");
    c.rang = -1;
    for (std::size_t i = 0; i < Rangs.size(); ++i) {
        if (sansBlancs(Rangs[i].libelle) == rang) c.rang = static_cast<int>(i);
    }
    if (c.rang < 0) refuser("Rang " + guillemets(rang) + " inconnu");
    const std::string& sexe = texte(membre(racine, "sexe", ""), "sexe");
    if ((c.sexe = indexDe(LegendesSexe, sexe)) < 0) refuser("Sexe " + guillemets(sexe) + " inconnu");
    const std::string& profession = texte(membre(racine, "profession", ""), "profession");
    if ((c.profession = indexDe(Professions, profession)) < 0) {
        refuser("Profession " + guillemets(profession) + " inconnue");
    }
    c.cicatrices = textes(membre(racine, "cicatrices", ""), "cicatrices");

    const json& caract = objet(membre(racine, "caracteristiques", ""), "caracteristiques");
    seulement(caract, std::vector<std::string_view>(NomsCaract.begin(), NomsCaract.end()), "Caractéristiques : ");
    for (std::size_t i = 0; i < NomsCaract.size(); ++i) {
        c.caract[i] = entier(membre(caract, NomsCaract[i], "Caractéristiques : "), NomsCaract[i]);
    }

    const json& desc = objet(membre(racine, "description", ""), "description");
    seulement(desc, std::vector<std::string_view>(ClesDescription.begin(), ClesDescription.end()), "Description : ");
    for (std::size_t i = 0; i < ClesDescription.size(); ++i) {
        const json& v = membre(desc, ClesDescription[i], "Description : ");
        if (ClesDescription[i] != "age") {
            c.description[i] = texte(v, ClesDescription[i]);
        } else if (!v.is_null()) {
            // The age list holds numbers; one outside any int is outside the list too.
            c.description[i] = std::to_string(entier(v, "age"));
        }
    }

    const json& comp = objet(membre(racine, "competences", ""), "competences");
    for (const auto& element : comp.items()) {
        const std::string& cle = element.key();
        if (std::none_of(Competences.begin(), Competences.end(), [&cle](const auto& x) { return x.nom == cle; })) {
            refuser("Compétence " + guillemets(cle) + " inconnue");
        }
    }
    for (std::size_t i = 0; i < Competences.size(); ++i) {
        const std::string_view n = Competences[i].nom;
        const std::string ou = "Compétence " + guillemets(n) + " : ";
        const auto trouvee = comp.find(std::string(n));
        if (trouvee == comp.end()) refuser("Compétence " + guillemets(n) + " absente");
        const json& ligne = objet(*trouvee, n);
        seulement(ligne, {"etat", "niveau"}, ou);
        const std::string& etat = texte(membre(ligne, "etat", ou), "etat");
        if ((c.etats[i] = indexDe(Etats, etat)) < 0) refuser(ou + "état " + guillemets(etat) + " inconnu");
        c.niveaux[i] = entier(membre(ligne, "niveau", ou), "niveau");
    }

    const json& champs = objet(membre(racine, "champsExperience", ""), "champsExperience");
    seulement(champs, {"professionnels", "generaux"}, "Champs d'expérience : ");
    c.champsProf = textes(membre(champs, "professionnels", "Champs d'expérience : "), "professionnels");
    c.champsGen = textes(membre(champs, "generaux", "Champs d'expérience : "), "generaux");
    return c;
}

// --- Replay through the rules ---------------------------------------------------

// Dice that give the rolls which make the draw land on the file's scars.
class DesRejeu final : public Des {
public:
    std::deque<std::int16_t> jets;
    std::int16_t Lancer(std::int16_t faces) override {
        if (jets.empty()) return faces;
        const std::int16_t j = jets.front();
        jets.pop_front();
        return j;
    }
};

void exiger(const Action& a) {
    if (a.refusee()) throw Depassement{};
}

void rejouerCicatrices(const ChoixFichier& c, ModuleVorn& m) {
    if (c.cicatrices.size() > 3)
        refuser("Cicatrices : " + std::to_string(c.cicatrices.size()) + " au lieu de 3 au plus");
    DesRejeu des;
    // 1 is under every scarred rank's threshold, 100 over all; the d6 gives the count.
    if (c.cicatrices.empty()) {
        des.jets = {100};
    } else {
        des.jets = {1, std::array<std::int16_t, 4>{0, 1, 5, 6}[c.cicatrices.size()]};
        for (const std::string& lieu : c.cicatrices) {
            std::int16_t d100 = 1;
            while (d100 <= 100 && EmplacementCicatrice(d100) != lieu) ++d100;
            if (d100 > 100) refuser("Cicatrice " + guillemets(lieu) + " inconnue");
            des.jets.push_back(d100);
        }
    }
    ValiderChoix(m, c.personnage, des);
    std::array<std::string, 3> attendu{c.cicatrices.empty() ? "(aucune)" : ""};
    std::copy(c.cicatrices.begin(), c.cicatrices.end(), attendu.begin());
    if (std::array{m.Cicatrice1, m.Cicatrice2, m.Cicatrice3} != attendu) {
        refuser("Cicatrices : impossibles au rang " + std::string(sansBlancs(m.Rang)));
    }
}

void rejouerChamps(const ChoixFichier& c, ModuleVorn& m, FeuilleVorn& f, bool ouvert) {
    if (!ouvert) {
        if (!c.champsProf.empty() || !c.champsGen.empty()) refuser("Champs d'expérience choisis sans âge");
        return;
    }
    ChampsExperienceVorn d(m);
    const int permis = m.NbChpExp;
    for (const bool prof : {true, false}) {
        for (const std::string& champ : prof ? c.champsProf : c.champsGen) {
            int i = -1;
            if (prof) {
                for (int k = 0; k < ChampsExperienceVorn::NbProf; ++k) {
                    const auto u = static_cast<std::size_t>(k);
                    if (d.visibleProf[u] && d.legendesProf[u] == champ) i = k;
                }
            } else {
                i = indexDe(ChampsGeneraux, champ);
            }
            const std::string quel = "Champ d'expérience " + guillemets(champ);
            if (i < 0) {
                refuser(quel + (prof ? " non offert à la profession " + std::string(TexteProfession(m.Profession))
                                     : " inconnu"));
            }
            const auto u = static_cast<std::size_t>(i);
            if (prof ? d.cocheProf[u] : d.cocheGen[u]) refuser(quel + " en double");
            if (!d.Cocher(prof, i)) {
                refuser("Champs d'expérience : " + std::to_string(c.champsProf.size() + c.champsGen.size()) +
                        " choisis, l'âge en permet " + std::to_string(permis));
            }
        }
    }
    d.Valider();
    f.ReconstruireChampsExpérience();
}

void rejouer(const ChoixFichier& c, ModuleVorn& m, FeuilleVorn& f, bool budgetLibre) {
    ChargerChoix(m);
    m.NomJoueur = c.joueur;
    ChoisirRang(m, c.rang);
    ChoisirSexe(m, c.sexe);
    ChoisirProfession(m, c.profession);
    rejouerCicatrices(c, m);
    if (budgetLibre) m.PtGeneration = BudgetLibre;
    f.Charger();

    // The gains first: every purchase after them is then checked against no
    // fewer points than the agent ends with, so a file within its budget is
    // never refused for the order its choices are replayed in.
    auto choisir = [&](Description d) -> Action {
        const auto u = static_cast<std::size_t>(d);
        const std::string& t = c.description[u];
        const auto& entrees = f.liste(d).entrees;
        const auto it = std::find(entrees.begin(), entrees.end(), t);
        if (it == entrees.end()) {
            refuser("Description : " + std::string(ClesDescription[u]) + " " + guillemets(t) + " inconnue");
        }
        const Action a = f.ChoisirDescription(d, static_cast<std::int16_t>(it - entrees.begin()));
        exiger(a);
        return a;
    };
    const bool age = !c.description[static_cast<std::size_t>(Description::Age)].empty();
    rejouerChamps(c, m, f, age && choisir(Description::Age).ouvrirChampsExp);
    choisir(Description::Faiblesse);

    for (std::size_t i = 0; i < ToutesCaract.size(); ++i) {
        const auto& entrees = f.caract[i].entrees;
        const std::int64_t v = c.caract[i];
        const auto it = std::find(entrees.begin(), entrees.end(),
                                  v >= 0 && v <= 99 ? NombreEnTexte(static_cast<int>(v)) : std::string());
        if (it == entrees.end()) {
            refuser("Caractéristique " + std::string(NomsCaract[i]) + " : valeur " + std::to_string(v) +
                    " hors limites");
        }
        exiger(f.ChoisirCaract(ToutesCaract[i], static_cast<std::int16_t>(it - entrees.begin())));
    }
    for (const Description d : {Description::Apparence, Description::Taille, Description::Poids}) choisir(d);

    for (int i = 0; i < NbLignesCompetences; ++i) {
        const auto u = static_cast<std::size_t>(i);
        const std::string ou = "Compétence " + guillemets(Competences[u].nom) + " : ";
        if (c.etats[u] == 1) exiger(f.PrendreCompetence(i));
        const LigneCompetence& l = f.lignes[u];
        if (l.valeur != c.etats[u]) {
            refuser(ou + (l.valeur == 2 ? "toujours gratuite" : "ne peut pas être gratuite"));
        }
        while (l.niveau < c.niveaux[u]) {
            const Action a = f.MonterNiveau(i);
            exiger(a);
            if (!a.acceptee()) break;
        }
        if (l.niveau != c.niveaux[u]) refuser(ou + "niveau " + std::to_string(c.niveaux[u]) + " hors limites");
    }
}

} // namespace

std::string EcrireAgent(const FeuilleVorn& f) {
    ModuleVorn& m = f.m;
    json j;
    j["format"] = FormatAgent;
    j["version"] = VersionAgent;
    j["joueur"] = m.NomJoueur;
    j["personnage"] = m.NomPerso;
    j["rang"] = sansBlancs(m.Rang);
    j["sexe"] = LegendesSexe.at(m.Sexe == 1 ? 1 : 0);
    j["profession"] = TexteProfession(m.Profession);
    json cicatrices = json::array();
    for (const std::string* s : {&m.Cicatrice1, &m.Cicatrice2, &m.Cicatrice3}) {
        if (!s->empty() && *s != "(aucune)") cicatrices.push_back(*s);
    }
    j["cicatrices"] = std::move(cicatrices);
    json caract = json::object();
    for (const Caract x : ToutesCaract) caract[std::string(NomsCaract[static_cast<std::size_t>(x)])] = ValDe(m, x);
    j["caracteristiques"] = std::move(caract);
    json desc = json::object();
    for (const Description d : ToutesDescriptions) {
        const auto u = static_cast<std::size_t>(d);
        const std::string t = f.liste(d).texte();
        if (d != Description::Age) {
            desc[std::string(ClesDescription[u])] = t;
        } else if (TableAge(t)) {
            desc["age"] = std::stoi(t);
        } else {
            desc["age"] = nullptr;
        }
    }
    j["description"] = std::move(desc);
    json comp = json::object();
    for (std::size_t i = 0; i < Competences.size(); ++i) {
        const LigneCompetence& l = f.lignes[i];
        comp[std::string(Competences[i].nom)] = {{"etat", Etats.at(static_cast<std::size_t>(l.valeur))},
                                                 {"niveau", l.niveau}};
    }
    j["competences"] = std::move(comp);
    json prof = json::array(), gen = json::array();
    for (const auto& s : m.ChpExpProf)
        if (!s.empty()) prof.push_back(s);
    for (const auto& s : m.ChpExpGen)
        if (!s.empty()) gen.push_back(s);
    j["champsExperience"] = {{"professionnels", std::move(prof)}, {"generaux", std::move(gen)}};
    // Names come from the screens as UTF-8; a stray byte is replaced rather than thrown on.
    return j.dump(4, ' ', false, json::error_handler_t::replace) + '\n';
}

std::string OuvrirAgent(std::string_view contenu, ModuleVorn& m, FeuilleVorn& f) {
    try {
        const ChoixFichier c = lire(analyser(contenu));
        try {
            rejouer(c, m, f, false);
            return {};
        } catch (const Depassement&) {
            // Replayed again with room to spare, to tell the player by how much;
            // a fault further on in the file is the one reported instead.
            ModuleVorn m2;
            FeuilleVorn f2(m2);
            rejouer(c, m2, f2, true);
            const int depasse = -(m2.PtRestants - BudgetLibre + m.PtGeneration);
            return "Points de génération dépassés de " + std::to_string(depasse);
        }
    } catch (const Refus& r) {
        return r.raison;
    } catch (const Depassement&) {
        return "Points de génération dépassés";
    } catch (...) {
        return std::string(Illisible);
    }
}

std::string VerifierAgent(std::string_view contenu) {
    try {
        ModuleVorn m;
        FeuilleVorn f(m);
        return OuvrirAgent(contenu, m, f);
    } catch (...) {
        return std::string(Illisible);
    }
}

std::string NomFichierAgent(std::string_view nomPerso) {
    std::string n(nomPerso);
    for (char& c : n) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F || std::string_view(":*?\"<>|\\/").find(c) != std::string_view::npos) c = '_';
    }
    // File systems take 255 bytes a name: cut on a character's first byte, room left for the extension.
    if (n.size() > 240) {
        std::size_t fin = 240;
        while (fin > 0 && (static_cast<unsigned char>(n[fin]) & 0xC0) == 0x80) --fin;
        n.resize(fin);
    }
    // Windows drops trailing dots and blanks; a name of nothing but those would vanish.
    while (!n.empty() && (n.back() == '.' || n.back() == ' ')) n.pop_back();
    if (n.empty()) n = "agent";
    return n + ".vorn";
}

#pragma once

#include <QString>

#include <cstdint>

class QWidget;

// Modal message boxes by their classic codes: 48 exclamation + OK,
// 292 question + Oui/Non with Non the default. Returns 1 for OK, 6 Yes, 7 No.
// `informatif`, when given, is a second line in smaller print under the text.
class Messagerie {
public:
    static constexpr int Exclamation = 48;
    static constexpr int QuestionOuiNon = 292;
    static constexpr std::int16_t Ok = 1;
    static constexpr std::int16_t Oui = 6;
    static constexpr std::int16_t Non = 7;

    virtual ~Messagerie() = default;
    virtual std::int16_t Afficher(QWidget* parent, const QString& texte, const QString& titre, int code,
                                  const QString& informatif = {}) = 0;
};

class MessagerieQt final : public Messagerie {
public:
    std::int16_t Afficher(QWidget* parent, const QString& texte, const QString& titre, int code,
                          const QString& informatif = {}) override;
};

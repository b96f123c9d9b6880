#pragma once
// What the editor tells about the chip's instructions while one types them:
// a call tip per mnemonic (operands, what it does, which flags it changes,
// how many cycles it takes), and the names offered for completion.
#include <QString>
#include <QStringList>

// The call tip of a mnemonic in any case; empty when it is none.
QString InstructionTip(const QString& mnemonic);

// Every mnemonic, upper case.
QStringList Mnemonics();
// The chip's register and bit names that sources use without a header.
QStringList RegisterAndBitNames();

// The labels a source defines: the first word of every line that starts in
// the first column, less a trailing colon, when it is no mnemonic or
// directive.
QStringList DefinedLabels(const QByteArray& utf8);

// The words offered for a typed prefix of at least two characters, matched
// without regard to case: mnemonics, register and bit names (in lower case
// when the prefix is all lower case) and labels (as defined). Sorted, no
// duplicates; empty when the prefix alone is the only match.
QStringList CompletionsFor(const QString& prefix, const QStringList& labels);

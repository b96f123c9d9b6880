// The source editor: the encoding rules, PIC highlighting, completion and
// the call tips of the instructions.
#include <Qsci/qscicommand.h>
#include <Qsci/qscicommandset.h>

#include <QtTest>

#include "support/app_fixture.h"
#include "tasm/chip_names.h"
#include "tasm/instruction_table.h"
#include "ui/edit_view.h"
#include "ui/instruction_tips.h"
#include "ui/main_frame.h"
#include "ui/pic_lexer.h"
#include "ui/source_text.h"
#include "ui/windows1250.h"

class EditorTest : public QObject {
    Q_OBJECT
private slots:
    void utf8IsRecognisedExactly_data();
    void utf8IsRecognisedExactly();
    void windows1250TakesEveryByteBack();
    void lineEndsForNewLines_data();
    void lineEndsForNewLines();
    void highlightingKnowsEveryKindOfWord();
    void tipsAndNamesAgreeWithTheAssembler();
    void completionOffersNamesAndLabels();
    void typingShowsCompletionAndCallTip();
    void windowKeysAreNotTheEditors();
};

void EditorTest::utf8IsRecognisedExactly_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("utf8");
    QTest::newRow("ascii") << QByteArray("movlw 5\r\n") << true;
    QTest::newRow("serbian letters")
        << QByteArray("; \xC4\x8D\xC4\x87\xC5\xA1\xC5\xBE\xC4\x91") << true;
    QTest::newRow("four bytes") << QByteArray("\xF0\x9F\x98\x80") << true;
    QTest::newRow("nul inside") << QByteArray("a\0b", 3) << true;
    QTest::newRow("windows-1250 letter") << QByteArray("; \xE8") << false;
    QTest::newRow("cut short") << QByteArray("\xC4") << false;
    QTest::newRow("overlong slash") << QByteArray("\xC0\xAF") << false;
    QTest::newRow("overlong three bytes") << QByteArray("\xE0\x80\xAF") << false;
    QTest::newRow("surrogate") << QByteArray("\xED\xA0\x80") << false;
    QTest::newRow("beyond U+10FFFF") << QByteArray("\xF4\x90\x80\x80") << false;
    QTest::newRow("lone continuation") << QByteArray("\x80") << false;
    QTest::newRow("five-byte lead") << QByteArray("\xF8\x88\x80\x80\x80") << false;
}

void EditorTest::utf8IsRecognisedExactly() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, utf8);
    QCOMPARE(IsValidUtf8(bytes), utf8);
    const DecodedSource decoded = DecodeSource(bytes);
    QCOMPARE(decoded.encoding, utf8 ? SourceEncoding::Utf8 : SourceEncoding::Windows1250);
    const EncodedSource encoded = EncodeSource(decoded.utf8, decoded.encoding);
    QCOMPARE(encoded.badLine, 0);
    QCOMPARE(encoded.bytes, bytes);
}

void EditorTest::windows1250TakesEveryByteBack() {
    QByteArray every;
    for (int b = 0; b < 256; ++b) every.append(char(b));
    const QString text = DecodeWindows1250(every);
    QCOMPARE(text.size(), 256);
    QCOMPARE(text[0xE8], QChar(0x010D));  // c with caron
    QCOMPARE(text[0x9A], QChar(0x0161));  // s with caron
    QCOMPARE(text[0xD0], QChar(0x0110));  // D with stroke
    QCOMPARE(text[0x81], QChar(0x0081));  // unassigned: kept as its number
    QByteArray back;
    QCOMPARE(EncodeWindows1250(text, &back), qsizetype(-1));
    QCOMPARE(back, every);
    QCOMPARE(EncodeWindows1250(QStringLiteral("ab\u0436c"), &back), qsizetype(2));
    QVERIFY(back.isEmpty());
    // The line of a character no byte can hold counts every kind of break.
    const QByteArray utf8 = QStringLiteral("a\r\nb\rc\nd \u0436").toUtf8();
    QCOMPARE(EncodeSource(utf8, SourceEncoding::Windows1250).badLine, 4);
}

void EditorTest::lineEndsForNewLines_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<LineEnds>("lineEnds");
    QTest::newRow("none") << QByteArray("nop") << LineEnds::Lf;
    QTest::newRow("lf") << QByteArray("a\nb\n") << LineEnds::Lf;
    QTest::newRow("crlf") << QByteArray("a\r\nb\r\nc\n") << LineEnds::CrLf;
    QTest::newRow("lone cr") << QByteArray("a\rb\rc\r\n") << LineEnds::Cr;
}

void EditorTest::lineEndsForNewLines() {
    QFETCH(QByteArray, bytes);
    QFETCH(LineEnds, lineEnds);
    QCOMPARE(DecodeSource(bytes).lineEnds, lineEnds);
    CEditView editor;
    editor.SetSourceBytes(bytes, lineEnds);
    editor.SendScintilla(QsciScintillaBase::SCI_DOCUMENTEND);
    QTest::keyClick(&editor, Qt::Key_Return);
    const char* typed = lineEnds == LineEnds::CrLf ? "\r\n"
                        : lineEnds == LineEnds::Cr ? "\r"
                                                   : "\n";
    QCOMPARE(editor.SourceBytes(), bytes + typed);
}

void EditorTest::highlightingKnowsEveryKindOfWord() {
    using S = CPicLexer::Style;
    const QByteArray line =
        "loop:\tMOVLW\tH'1F' ; \xC4\x8D \"x\"\n";  // a comment holds UTF-8 and quotes
    const QByteArray styles = StyleLine(line.left(line.size() - 1));
    auto styleAt = [&](const char* part) { return S(styles.at(line.indexOf(part))); };
    QCOMPARE(styleAt("loop"), S::Label);
    QCOMPARE(styleAt(":"), S::Label);
    QCOMPARE(styleAt("MOVLW"), S::Mnemonic);
    QCOMPARE(styleAt("H'1F'"), S::Number);
    QCOMPARE(styleAt("'1F'"), S::Number);
    QCOMPARE(styleAt("; "), S::Comment);
    QCOMPARE(S(styles.at(styles.size() - 1)), S::Comment);

    const QByteArray code =
        "\tbsf STATUS,RP0 ; x\n\tmovlw 0x0A+.10+1Fh+b'01'+%11+$1F+'a'\n"
        "\t#include \"my defs.inc\"\n\tgoto loop\n12z";
    const QList<QByteArray> lines = code.split('\n');
    auto at = [&](int n, const char* part) {
        return S(StyleLine(lines[n]).at(lines[n].indexOf(part)));
    };
    QCOMPARE(at(0, "bsf"), S::Mnemonic);
    QCOMPARE(at(0, "STATUS"), S::Register);
    QCOMPARE(at(0, "RP0"), S::Register);
    for (const char* number : {"0x0A", ".10", "1Fh", "b'01'", "%11", "$1F", "'a'"})
        QCOMPARE(at(1, number), S::Number);
    QCOMPARE(at(1, "+"), S::Default);
    QCOMPARE(at(2, "#include"), S::Directive);
    QCOMPARE(at(2, "\"my"), S::String);
    QCOMPARE(at(3, "loop"), S::Default);  // a label used as an operand
    QCOMPARE(at(4, "12z"), S::Default);   // not a number in any radix
}

void EditorTest::tipsAndNamesAgreeWithTheAssembler() {
    QCOMPARE(Mnemonics().size(), 37);
    for (const QString& mnemonic : Mnemonics()) {
        QVERIFY2(tasm::FindInstruction(mnemonic.toStdString()), qPrintable(mnemonic));
        const QString tip = InstructionTip(mnemonic.toLower());
        QVERIFY2(tip.startsWith(mnemonic), qPrintable(tip));
        QVERIFY2(tip.contains("Flegovi: ") && tip.contains("Ciklusa: "), qPrintable(tip));
        for (QChar ch : tip) QVERIFY2(ch.unicode() < 0x80, qPrintable(tip));
    }
    for (const QString& name : RegisterAndBitNames())
        QVERIFY2(tasm::ChipNameValue(name.toStdString(), "16C84"), qPrintable(name));
    QVERIFY(InstructionTip("BTFSC").contains("2 kad preskace"));
    QVERIFY(InstructionTip("ADDWF").contains("C, DC, Z"));
    QVERIFY(InstructionTip("loop").isEmpty());
}

void EditorTest::completionOffersNamesAndLabels() {
    const QStringList labels =
        DefinedLabels("start:\n\tgoto start\nMOVLW 5\nmain\tnop\n  inner: nop\nDELAY equ 3\n");
    QCOMPARE(labels, QStringList({"start", "main", "DELAY"}));
    QCOMPARE(CompletionsFor("mo", labels), QStringList({"movf", "movlw", "movwf"}));
    QCOMPARE(CompletionsFor("MO", labels), QStringList({"MOVF", "MOVLW", "MOVWF"}));
    QCOMPARE(CompletionsFor("ma", labels), QStringList({"main"}));
    QCOMPARE(CompletionsFor("de", labels), QStringList({"decf", "decfsz", "DELAY"}));
    QCOMPARE(CompletionsFor("porta", labels), QStringList());  // nothing left to complete
    QCOMPARE(CompletionsFor("t", labels), QStringList());      // too short to guess
}

void EditorTest::typingShowsCompletionAndCallTip() {
    CAppUnderTest app;
    CEditView* editor = app.Frame().EditView();
    QTest::keyClicks(editor, "start:");
    QTest::keyClick(editor, Qt::Key_Return);
    QTest::keyClick(editor, Qt::Key_Tab);
    QTest::keyClicks(editor, "movl");
    QVERIFY(editor->SendScintilla(QsciScintillaBase::SCI_AUTOCACTIVE));
    QTest::keyClick(editor, Qt::Key_Return);  // takes the one offer
    QCOMPARE(editor->text(), QStringLiteral("start:\n\tmovlw"));
    QVERIFY(!editor->SendScintilla(QsciScintillaBase::SCI_CALLTIPACTIVE));
    QTest::keyClick(editor, Qt::Key_Tab);
    QVERIFY(editor->SendScintilla(QsciScintillaBase::SCI_CALLTIPACTIVE));
    QTest::keyClicks(editor, "5");
    QTest::keyClick(editor, Qt::Key_Return);
    QVERIFY(!editor->SendScintilla(QsciScintillaBase::SCI_CALLTIPACTIVE));
    QTest::keyClick(editor, Qt::Key_Tab);
    QTest::keyClicks(editor, "goto st");
    QVERIFY(editor->SendScintilla(QsciScintillaBase::SCI_AUTOCACTIVE));
    QTest::keyClick(editor, Qt::Key_Return);
    QVERIFY2(editor->text().endsWith("goto start"), qPrintable(editor->text()));
}

// Scintilla binds Ctrl+L (cut the line) and others of the window's keys;
// in this window they belong to the menu commands. The editing keys stay.
void EditorTest::windowKeysAreNotTheEditors() {
    CAppUnderTest app;
    QSet<int> bound;
    for (QsciCommand* command : app.Frame().EditView()->standardCommands()->commands()) {
        bound.insert(command->key());
        bound.insert(command->alternateKey());
    }
    for (QKeyCombination key :
         {Qt::CTRL | Qt::Key_L, Qt::CTRL | Qt::Key_B, Qt::CTRL | Qt::Key_R, Qt::CTRL | Qt::Key_H,
          QKeyCombination(Qt::Key_F5), Qt::CTRL | Qt::Key_F5, QKeyCombination(Qt::Key_F9)})
        QVERIFY2(!bound.contains(key.toCombined()), qPrintable(QKeySequence(key).toString()));
    for (QKeyCombination key : {Qt::CTRL | Qt::Key_Z, Qt::SHIFT | Qt::Key_Delete,
                                Qt::CTRL | Qt::Key_Insert, Qt::SHIFT | Qt::Key_Insert})
        QVERIFY2(bound.contains(key.toCombined()), qPrintable(QKeySequence(key).toString()));
}

QTEST_MAIN(EditorTest)
#include "test_editor.moc"

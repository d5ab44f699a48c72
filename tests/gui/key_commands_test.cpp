// The window's one key mapper: the command each key makes for the table, the text boxes, the
// read-only boxes and the window's shortcuts.
#include "platform/key_commands.h"

#include <QKeyEvent>
#include <QtTest>

namespace glyphora {
namespace {

// Each key of a list such as "Ctrl+Home, Num+Enter" (Num: the keypad) maps to `expected`.
template <typename Result, typename Mapper>
void Expect(const char* keys, Result expected, Mapper mapper) {
    for (const QString& written : QString::fromLatin1(keys).split(QStringLiteral(", "))) {
        const QKeyCombination key = QKeySequence(written)[0];
        QVERIFY2(key.key() != Qt::Key_unknown && key.key() != Qt::Key(0), qPrintable(written));
        const QKeyEvent event(QEvent::KeyPress, key.key(), key.keyboardModifiers());
        QVERIFY2(mapper(event) == expected, qPrintable(written));
    }
}

}  // namespace

class KeyCommandsTest : public QObject {
    Q_OBJECT

private slots:
    // Copy is tested before paste, so Ctrl+Shift+Insert copies; each needs its modifier
    // whatever else is held, except Delete, which deletes only alone.
    void EditingKeysMakeEditCommands() {
        Expect("Ctrl+A, Ctrl+Alt+Shift+A", EditCommand::SelectAll, EditCommandForKey);
        Expect("Ctrl+Z, Alt+Backspace", EditCommand::Undo, EditCommandForKey);
        Expect("Ctrl+X, Shift+Del", EditCommand::Cut, EditCommandForKey);
        Expect("Ctrl+Ins, Ctrl+Shift+Ins", EditCommand::Copy, EditCommandForKey);
        Expect("Shift+Ins, Ctrl+V", EditCommand::Paste, EditCommandForKey);
        Expect("Del", EditCommand::Delete, EditCommandForKey);
        Expect("Backspace, Ctrl+Del, Ctrl+Alt+Del, Alt+Z", std::nullopt, EditCommandForKey);
        const auto enter = [](auto& key) { return BoxKeyOf(key).enter; };
        Expect("Return, Num+Enter", true, enter);
        Expect("Space, A", false, enter);
    }

    // Ctrl takes Home and End to the list's ends and leaves other keys as they are; Shift changes
    // nothing; with Alt no key is the table's.
    void TableKeysMakeTableCommands() {
        Expect("Home, Shift+Home", TableCommand::RowStart, TableCommandForKey);
        Expect("Ctrl+Home", TableCommand::First, TableCommandForKey);
        Expect("Ctrl+Shift+End", TableCommand::Last, TableCommandForKey);
        Expect("Ctrl+Right, Shift+Right", TableCommand::Right, TableCommandForKey);
        Expect("Return, Num+Enter", TableCommand::Activate, TableCommandForKey);
        Expect("Ctrl+Shift+C, Ctrl+Ins", TableCommand::CopyCharacter, TableCommandForKey);
        Expect("Shift+C, Ins, Alt+Left, Ctrl+Alt+C", std::nullopt, TableCommandForKey);
    }

    // Movement passes, and so do Tab (preview) and Enter (entity box); keys that would edit are
    // swallowed, other keys with Ctrl or Alt pass, so Ctrl+C and Ctrl+A work.
    void ReadOnlyBoxesLetMovementAndCopyThrough() {
        for (const bool entity : {false, true}) {
            const auto passes = [entity](auto& key) { return ReadOnlyBoxKeyPasses(key, entity); };
            Expect("End, Shift+Left, Down, Ctrl+C, Ctrl+A, Ctrl+Ins, Alt+F", true, passes);
            Expect("A, Shift+A, Backspace, Del, Shift+Ins, Ctrl+V, Ctrl+Shift+C", false, passes);
            Expect("Tab", !entity, passes);
            Expect("Return", entity, passes);
        }
    }

    // F1 and F3 whatever else is held, Alt+Enter and Alt with a main keyboard digit whatever is
    // held with Alt; Alt+Down opens a drop-down.
    void ShortcutKeysMakeHotKeys() {
        Expect("Alt+9, Ctrl+Alt+Shift+9", HotKey{HotKeyAction::ChooseFormat, 9}, HotKeyOf);
        Expect("F3, Shift+F3", HotKey{HotKeyAction::SearchNext}, HotKeyOf);
        Expect("F1", HotKey{HotKeyAction::WhatsThis}, HotKeyOf);
        Expect("Alt+Shift+Return", HotKey{HotKeyAction::FontProperties}, HotKeyOf);
        Expect("Ctrl+3, Alt+Num+3, Alt+A, Ctrl+Return", HotKey{}, HotKeyOf);
        Expect("Alt+Down, Alt+Shift+Down", true, IsDropDownKey);
        Expect("Down, Alt+Up", false, IsDropDownKey);
    }
};

}  // namespace glyphora

QTEST_MAIN(glyphora::KeyCommandsTest)
#include "key_commands_test.moc"

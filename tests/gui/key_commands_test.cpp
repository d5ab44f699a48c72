// The window's one key mapper: the command each key makes for the table, the text boxes, the
// read-only boxes and the window's shortcuts.
#include "platform/key_commands.h"

#include <QKeyEvent>
#include <QtTest>

namespace glyphora {
namespace {

// Each key of a list such as "Ctrl+Home, Num+Enter" (Num: the keypad) gives `expected`.
template <typename Result, typename Mapper>
void ExpectForEachKey(const char* keys, Result expected, Mapper mapper) {
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
        using E = std::optional<EditCommand>;
        const std::pair<E, const char*> cases[] = {
            {EditCommand::SelectAll, "Ctrl+A, Ctrl+Alt+Shift+A"},
            {EditCommand::Undo, "Ctrl+Z, Alt+Backspace"},
            {EditCommand::Cut, "Ctrl+X, Shift+Del"},
            {EditCommand::Copy, "Ctrl+Ins, Ctrl+Shift+Ins"},
            {EditCommand::Paste, "Shift+Ins, Ctrl+V"},
            {EditCommand::Delete, "Del"},
            {std::nullopt, "Backspace, Ctrl+Del, Ctrl+Alt+Del, Alt+Z"},
        };
        for (const auto& [command, keys] : cases)
            ExpectForEachKey(keys, command, EditCommandForKey);
        ExpectForEachKey("Return, Num+Enter", true, [](auto& key) { return BoxKeyOf(key).enter; });
        ExpectForEachKey("Space, A", false, [](auto& key) { return BoxKeyOf(key).enter; });
    }

    // Ctrl takes Home and End to the list's ends and leaves other keys as they are; Shift changes
    // nothing; with Alt no key is the table's.
    void TableKeysMakeTableCommands() {
        using T = std::optional<TableCommand>;
        const std::pair<T, const char*> cases[] = {
            {TableCommand::RowStart, "Home, Shift+Home"},
            {TableCommand::First, "Ctrl+Home"},
            {TableCommand::Last, "Ctrl+Shift+End"},
            {TableCommand::Right, "Ctrl+Right"},
            {TableCommand::PageDown, "Shift+PgDown"},
            {TableCommand::Activate, "Return, Num+Enter"},
            {TableCommand::CopyCharacter, "Ctrl+Shift+C, Ctrl+Ins"},
            {std::nullopt, "Shift+C, Ins, Alt+Left, Ctrl+Alt+C"},
        };
        for (const auto& [command, keys] : cases)
            ExpectForEachKey(keys, command, TableCommandForKey);
    }

    // Movement passes, and so do Tab (preview) and Enter (entity box); keys that would edit are
    // swallowed, other keys with Ctrl or Alt pass, so Ctrl+C and Ctrl+A work.
    void ReadOnlyBoxesLetMovementAndCopyThrough() {
        const char* const both = "End, Shift+Left, Down, Ctrl+C, Ctrl+A, Ctrl+Ins, Alt+F";
        const char* const neither =
            "A, Shift+A, Backspace, Del, Shift+Ins, Ctrl+V, Ctrl+Alt+V, Ctrl+Shift+C";
        for (const bool entity : {false, true}) {
            const auto passes = [entity](auto& key) { return ReadOnlyBoxKeyPasses(key, entity); };
            ExpectForEachKey(both, true, passes);
            ExpectForEachKey(neither, false, passes);
            ExpectForEachKey("Tab", !entity, passes);
            ExpectForEachKey("Return", entity, passes);
        }
    }

    // F1 and F3 whatever else is held, Alt+Enter and Alt with a main keyboard digit whatever is
    // held with Alt; Alt+Down opens a drop-down.
    void ShortcutKeysMakeHotKeys() {
        const std::pair<HotKey, const char*> cases[] = {
            {{HotKeyAction::ChooseFormat, 3}, "Alt+3"},
            {{HotKeyAction::ChooseFormat, 9}, "Ctrl+Alt+Shift+9"},
            {{HotKeyAction::SearchNext}, "F3, Shift+F3"},
            {{HotKeyAction::WhatsThis}, "F1"},
            {{HotKeyAction::FontProperties}, "Alt+Shift+Return"},
            {{}, "Ctrl+3, Alt+Num+3, Alt+A, Ctrl+Return"},
        };
        for (const auto& [hot_key, keys] : cases) ExpectForEachKey(keys, hot_key, HotKeyOf);
        ExpectForEachKey("Alt+Down, Alt+Shift+Down", true, IsDropDownKey);
        ExpectForEachKey("Down, Alt+Up", false, IsDropDownKey);
    }
};

}  // namespace glyphora

QTEST_MAIN(glyphora::KeyCommandsTest)
#include "key_commands_test.moc"

# SPDX-License-Identifier: MIT
"""Orvane in German: the translation and the German tips chosen by the user's languages, and
English for every other language."""

from pathlib import Path

import record
from desktop import MainWindowLayout, ScreenReader, wait_for

GERMAN_TIPS = Path(__file__).parents[2] / "data" / "tips_de.txt"


def expect_named(reader, what, accept):
    """Waits until the accessible objects include what accept looks for; returns those."""
    return wait_for(what, lambda: [node for node in reader.tree() if accept(node)], bool)


def german_session(case):
    """With LANGUAGE=de the Quick Tips show a tip from tips_de.txt under German captions, the
    menu bar and the tool windows speak German and so does a message box. LANG=de_DE.UTF-8 also
    gives German; French, for which there is no translation, and English put before German in
    LANGUAGE give English."""
    desktop, program = case.desktop, case.program
    desktop.start_session_bus()
    settings = record.quiet_start()
    settings.tips_at_start = record.TRUE
    case.prepare_settings(settings)
    program.locale = {"LANGUAGE": "de"}
    program.start()
    tips = desktop.wait_for_window("^Kurztipps", "the Quick Tips in German")
    reader = ScreenReader(desktop)
    german_tips = GERMAN_TIPS.read_text(encoding="utf-8").splitlines()
    expect_named(reader, "a German tip", lambda node: node["name"] == "Tipp"
                 and node.get("text") in german_tips)
    desktop.focus(tips)
    desktop.key("Escape")
    program.wait_for_main_window()
    layout = MainWindowLayout(desktop)

    menus = {"Datei", "Bearbeiten", "Anpassen", "Ansicht", "Hilfe"}
    expect_named(reader, f"the menus {sorted(menus)}", lambda node: node["name"] in menus)
    for keys, title in (("ctrl+f", "Favoriten"), ("ctrl+h", "Verlauf"), ("F6", "Harmonien"),
                        ("F7", "Webvorschau")):
        program.focus_main()
        desktop.key(keys)
        desktop.wait_for_window(f"^{title}", f"the window {title}")
    desktop.click(*layout.hex_box(), repeat=3)
    desktop.type("12")
    desktop.click(*layout.set_hex_button())
    expect_named(reader, "the message that the HEX value is too short",
                 lambda node: node["name"] == "Der HEX-Wert muss 6 Zeichen lang sein!")
    desktop.save_screenshot(case.work / "german.png")
    desktop.key("Return")
    program.exit_with_ctrl_q()

    for locale, title in (({"LANG": "de_DE.UTF-8"}, "^Kurztipps"),
                          ({"LANG": "fr_FR.UTF-8"}, "^Quick Tips"),
                          ({"LANGUAGE": "en_GB:de"}, "^Quick Tips")):
        case.prepare_settings(settings)
        program.locale = locale
        program.start()
        tips = desktop.wait_for_window(title, f"the Quick Tips under {locale}")
        desktop.focus(tips)
        desktop.key("Escape")
        program.wait_for_main_window()
        program.exit_with_ctrl_q()

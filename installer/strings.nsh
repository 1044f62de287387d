; Installer texts in German (the default) and English.
; Included by tarvio.nsi after its MUI_LANGUAGE lines.

LangString SecAutostartName ${LANG_GERMAN} "Mit Windows starten"
LangString SecAutostartName ${LANG_ENGLISH} "Start with Windows"

LangString SecAutostartDesc ${LANG_GERMAN} "Tarvio bei jeder Anmeldung an Windows automatisch starten."
LangString SecAutostartDesc ${LANG_ENGLISH} "Start Tarvio automatically each time you sign in to Windows."

LangString SecProgramDesc ${LANG_GERMAN} "Tarvio, die Hilfeseite und ein Beispiel für den Wochenplan Provider.INI."
LangString SecProgramDesc ${LANG_ENGLISH} "Tarvio, its help page and a sample weekly plan Provider.INI."

LangString MsgRunning ${LANG_GERMAN} "Tarvio wird gerade ausgeführt.$\r$\n$\r$\nBitte beenden Sie Tarvio zuerst: das Fenster über das Symbol im Infobereich öffnen und „Ende“ wählen. Danach „Wiederholen“ anklicken."
LangString MsgRunning ${LANG_ENGLISH} "Tarvio is running.$\r$\n$\r$\nPlease end Tarvio first: open its window from the icon in the notification area and choose “Ende”. Then click “Retry”."

LangString ShortcutDesc ${LANG_GERMAN} "Wählt die Internetverbindung nach Wochenplan"
LangString ShortcutDesc ${LANG_ENGLISH} "Chooses the Internet connection by weekly plan"

LangString MsgFolderNotOwn ${LANG_GERMAN} "Der Ordner$\r$\n$INSTDIR$\r$\nkann nicht so eingerichtet werden, dass nur Sie ihn ändern dürfen. Andere Benutzer dieses Computers könnten dort Programme ablegen, die dann mit Ihren Rechten laufen.$\r$\n$\r$\nBitte wählen Sie einen Ordner in Ihrem Benutzerprofil oder einen neuen, leeren Ordner."
LangString MsgFolderNotOwn ${LANG_ENGLISH} "The folder$\r$\n$INSTDIR$\r$\ncannot be set up so that only you may change it. Other users of this computer could put programs there that would then run with your rights.$\r$\n$\r$\nPlease choose a folder in your user profile or a new, empty folder."

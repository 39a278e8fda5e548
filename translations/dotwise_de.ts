<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>quiz</name>
    <message>
        <source>Resource with identifier &apos;%1&apos; not found</source>
        <translation>Ressource mit der Kennung „%1“ nicht gefunden</translation>
    </message>
    <message numerus="yes">
        <source>dots %1</source>
        <extracomment>A cell&apos;s raised dots as a screen reader speaks them; %1 is their numbers, e.g. &quot;1 2 4&quot;. Singular and plural by how many there are.</extracomment>
        <translation>
            <numerusform>Punkt %1</numerusform>
            <numerusform>Punkte %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quiz::Form2</name>
    <message>
        <source>Braille cell</source>
        <translation>Braillezelle</translation>
    </message>
    <message>
        <source>Correct with %1</source>
        <extracomment>The status line after a right answer; %1 is the letter chosen.</extracomment>
        <translation>Richtig: %1</translation>
    </message>
    <message>
        <source>Wrong. Correct answer was %1</source>
        <extracomment>The status line after a wrong answer; %1 is the right letter.</extracomment>
        <translation>Falsch. Richtig war %1</translation>
    </message>
    <message>
        <source>Choose the valid letter</source>
        <translation>Wählen Sie den richtigen Buchstaben</translation>
    </message>
    <message>
        <source>Last Question Status</source>
        <translation>Letzte Antwort</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <extracomment>Shown only until the last answer&apos;s outcome replaces it</extracomment>
        <translation>Statuszeile</translation>
    </message>
</context>
<context>
    <name>review::Form3</name>
    <message>
        <source>Tab moves to %1</source>
        <extracomment>A hint a screen reader speaks; %1 is the button&apos;s text.</extracomment>
        <translation>Tab führt zur Schaltfläche %1</translation>
    </message>
    <message>
        <source>Correct Words</source>
        <extracomment>The letters answered right: a list&apos;s header and name</extracomment>
        <translation>Richtige Buchstaben</translation>
    </message>
    <message>
        <source>Wrong Words</source>
        <extracomment>The letters answered wrongly: a list&apos;s header and name</extracomment>
        <translation>Falsche Buchstaben</translation>
    </message>
    <message>
        <source>Number of Correct: %1</source>
        <translation>Richtige Antworten: %1</translation>
    </message>
    <message>
        <source>Number of Wrong: %1</source>
        <translation>Falsche Antworten: %1</translation>
    </message>
    <message>
        <source>Percentage: %1%</source>
        <extracomment>%1 is the share of right answers, e.g. 87.5</extracomment>
        <translation>Trefferquote: %1&#xa0;%</translation>
    </message>
    <message>
        <source>Summary Result</source>
        <extracomment>The summary&apos;s frame, and its name to a screen reader</extracomment>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Number of Correct:</source>
        <translation>Richtige Antworten:</translation>
    </message>
    <message>
        <source>Number of Wrong:</source>
        <translation>Falsche Antworten:</translation>
    </message>
    <message>
        <source>Percentage:</source>
        <translation>Trefferquote:</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Fenster schließen</translation>
    </message>
</context>
<context>
    <name>review::Form4</name>
    <message>
        <source>Braille cell</source>
        <translation>Braillezelle</translation>
    </message>
    <message>
        <source>Tab moves to %1</source>
        <extracomment>A hint a screen reader speaks; %1 is the button&apos;s text.</extracomment>
        <translation>Tab führt zur Schaltfläche %1</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
</context>
<context>
    <name>shell</name>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>Bitte senden Sie ein Bildschirmfoto dieser Meldung per E-Mail an %1</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Anwendungsfehler</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Anwendungs- oder objektdefinierter Fehler</translation>
    </message>
    <message>
        <source>Cannot save the setting to %1</source>
        <translation>Die Einstellung kann nicht in %1 gespeichert werden</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Ungültiger Prozeduraufruf oder ungültiges Argument</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Arbeitsspeicher</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Division durch null</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Typen unverträglich</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Pfad nicht gefunden</translation>
    </message>
    <message>
        <source>Resource not found</source>
        <translation>Ressource nicht gefunden</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Ungültiges Bild</translation>
    </message>
</context>
<context>
    <name>shell::Form1</name>
    <message>
        <source>How many questions would you like to ask before ending?</source>
        <extracomment>The count box&apos;s frame, and the box&apos;s name to a screen reader</extracomment>
        <translation>Wie viele Fragen soll der Test haben?</translation>
    </message>
    <message>
        <source>Start Test</source>
        <translation>Test starten</translation>
    </message>
    <message>
        <source>Study First Before Taking Test</source>
        <translation>Vor dem Test erst lernen</translation>
    </message>
    <message>
        <source>Review Braille Letters</source>
        <translation>Braillebuchstaben ansehen</translation>
    </message>
    <message>
        <source>Waiting for answer</source>
        <extracomment>The first question&apos;s status line, before any answer</extracomment>
        <translation>Warten auf Antwort</translation>
    </message>
</context>
</TS>

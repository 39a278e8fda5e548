<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>quiz</name>
    <message>
        <source>Resource with identifier &apos;%1&apos; not found</source>
        <translation>Bron met id ‘%1’ niet gevonden</translation>
    </message>
    <message numerus="yes">
        <source>dots %1</source>
        <extracomment>A cell&apos;s raised dots as a screen reader speaks them; %1 is their numbers, e.g. &quot;1 2 4&quot;. Singular and plural by how many there are.</extracomment>
        <translation>
            <numerusform>punt %1</numerusform>
            <numerusform>punten %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quiz::Form2</name>
    <message>
        <source>Braille cell</source>
        <translation>Braillecel</translation>
    </message>
    <message>
        <source>Correct with %1</source>
        <extracomment>The status line after a right answer; %1 is the letter chosen.</extracomment>
        <translation>Goed: %1</translation>
    </message>
    <message>
        <source>Wrong. Correct answer was %1</source>
        <extracomment>The status line after a wrong answer; %1 is the right letter.</extracomment>
        <translation>Fout. Het goede antwoord was %1</translation>
    </message>
    <message>
        <source>Choose the valid letter</source>
        <translation>Kies de juiste letter</translation>
    </message>
    <message>
        <source>Last Question Status</source>
        <translation>Laatste antwoord</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <extracomment>Shown only until the last answer&apos;s outcome replaces it</extracomment>
        <translation>Statusregel</translation>
    </message>
</context>
<context>
    <name>review::Form3</name>
    <message>
        <source>Tab moves to %1</source>
        <extracomment>A hint a screen reader speaks; %1 is the button&apos;s text.</extracomment>
        <translation>Tab gaat naar de knop %1</translation>
    </message>
    <message>
        <source>Correct Words</source>
        <extracomment>The letters answered right: a list&apos;s header and name</extracomment>
        <translation>Goede letters</translation>
    </message>
    <message>
        <source>Wrong Words</source>
        <extracomment>The letters answered wrongly: a list&apos;s header and name</extracomment>
        <translation>Foute letters</translation>
    </message>
    <message>
        <source>Number of Correct: %1</source>
        <translation>Goede antwoorden: %1</translation>
    </message>
    <message>
        <source>Number of Wrong: %1</source>
        <translation>Foute antwoorden: %1</translation>
    </message>
    <message>
        <source>Percentage: %1%</source>
        <extracomment>%1 is the share of right answers, e.g. 87.5</extracomment>
        <translation>Percentage: %1%</translation>
    </message>
    <message>
        <source>Summary Result</source>
        <extracomment>The summary&apos;s frame, and its name to a screen reader</extracomment>
        <translation>Resultaat</translation>
    </message>
    <message>
        <source>Number of Correct:</source>
        <translation>Goede antwoorden:</translation>
    </message>
    <message>
        <source>Number of Wrong:</source>
        <translation>Foute antwoorden:</translation>
    </message>
    <message>
        <source>Percentage:</source>
        <translation>Percentage:</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Venster sluiten</translation>
    </message>
</context>
<context>
    <name>review::Form4</name>
    <message>
        <source>Braille cell</source>
        <translation>Braillecel</translation>
    </message>
    <message>
        <source>Tab moves to %1</source>
        <extracomment>A hint a screen reader speaks; %1 is the button&apos;s text.</extracomment>
        <translation>Tab gaat naar de knop %1</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Volgende</translation>
    </message>
</context>
<context>
    <name>shell</name>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>Stuur een schermafbeelding van deze melding per e-mail naar %1</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Toepassingsfout</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Door de toepassing of het object bepaalde fout</translation>
    </message>
    <message>
        <source>Cannot save the setting to %1</source>
        <translation>Kan de instelling niet opslaan in %1</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Ongeldige procedure-aanroep of ongeldig argument</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Overloop</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Onvoldoende geheugen</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Deling door nul</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Type komt niet overeen</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Bestand niet gevonden</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Pad niet gevonden</translation>
    </message>
    <message>
        <source>Resource not found</source>
        <translation>Bron niet gevonden</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Ongeldige afbeelding</translation>
    </message>
</context>
<context>
    <name>shell::Form1</name>
    <message>
        <source>How many questions would you like to ask before ending?</source>
        <extracomment>The count box&apos;s frame, and the box&apos;s name to a screen reader</extracomment>
        <translation>Hoeveel vragen moet de toets hebben?</translation>
    </message>
    <message>
        <source>Start Test</source>
        <translation>Toets starten</translation>
    </message>
    <message>
        <source>Study First Before Taking Test</source>
        <translation>Eerst leren, dan de toets</translation>
    </message>
    <message>
        <source>Review Braille Letters</source>
        <translation>Brailleletters bekijken</translation>
    </message>
    <message>
        <source>Waiting for answer</source>
        <extracomment>The first question&apos;s status line, before any answer</extracomment>
        <translation>Wacht op antwoord</translation>
    </message>
</context>
</TS>

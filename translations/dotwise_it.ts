<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>quiz</name>
    <message>
        <source>Resource with identifier &apos;%1&apos; not found</source>
        <translation>Risorsa con identificatore «%1» non trovata</translation>
    </message>
    <message numerus="yes">
        <source>dots %1</source>
        <extracomment>A cell&apos;s raised dots as a screen reader speaks them; %1 is their numbers, e.g. &quot;1 2 4&quot;. Singular and plural by how many there are.</extracomment>
        <translation>
            <numerusform>punto %1</numerusform>
            <numerusform>punti %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quiz::Form2</name>
    <message>
        <source>Braille cell</source>
        <translation>Cella braille</translation>
    </message>
    <message>
        <source>Correct with %1</source>
        <extracomment>The status line after a right answer; %1 is the letter chosen.</extracomment>
        <translation>Esatto: %1</translation>
    </message>
    <message>
        <source>Wrong. Correct answer was %1</source>
        <extracomment>The status line after a wrong answer; %1 is the right letter.</extracomment>
        <translation>Sbagliato. La risposta esatta era %1</translation>
    </message>
    <message>
        <source>Choose the valid letter</source>
        <translation>Scegli la lettera giusta</translation>
    </message>
    <message>
        <source>Last Question Status</source>
        <translation>Ultima risposta</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <extracomment>Shown only until the last answer&apos;s outcome replaces it</extracomment>
        <translation>Barra di stato</translation>
    </message>
</context>
<context>
    <name>review::Form3</name>
    <message>
        <source>Tab moves to %1</source>
        <extracomment>A hint a screen reader speaks; %1 is the button&apos;s text.</extracomment>
        <translation>Tab porta al pulsante %1</translation>
    </message>
    <message>
        <source>Correct Words</source>
        <extracomment>The letters answered right: a list&apos;s header and name</extracomment>
        <translation>Lettere esatte</translation>
    </message>
    <message>
        <source>Wrong Words</source>
        <extracomment>The letters answered wrongly: a list&apos;s header and name</extracomment>
        <translation>Lettere sbagliate</translation>
    </message>
    <message>
        <source>Number of Correct: %1</source>
        <translation>Risposte esatte: %1</translation>
    </message>
    <message>
        <source>Number of Wrong: %1</source>
        <translation>Risposte sbagliate: %1</translation>
    </message>
    <message>
        <source>Percentage: %1%</source>
        <extracomment>%1 is the share of right answers, e.g. 87.5</extracomment>
        <translation>Percentuale: %1%</translation>
    </message>
    <message>
        <source>Summary Result</source>
        <extracomment>The summary&apos;s frame, and its name to a screen reader</extracomment>
        <translation>Risultato</translation>
    </message>
    <message>
        <source>Number of Correct:</source>
        <translation>Risposte esatte:</translation>
    </message>
    <message>
        <source>Number of Wrong:</source>
        <translation>Risposte sbagliate:</translation>
    </message>
    <message>
        <source>Percentage:</source>
        <translation>Percentuale:</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Chiudi la finestra</translation>
    </message>
</context>
<context>
    <name>review::Form4</name>
    <message>
        <source>Braille cell</source>
        <translation>Cella braille</translation>
    </message>
    <message>
        <source>Tab moves to %1</source>
        <extracomment>A hint a screen reader speaks; %1 is the button&apos;s text.</extracomment>
        <translation>Tab porta al pulsante %1</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Successiva</translation>
    </message>
</context>
<context>
    <name>shell</name>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>Invia una schermata di questo messaggio per e-mail a %1</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Errore dell’applicazione</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Errore definito dall’applicazione o dall’oggetto</translation>
    </message>
    <message>
        <source>Cannot save the setting to %1</source>
        <translation>Impossibile salvare l’impostazione in %1</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Chiamata di routine o argomento non validi</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Overflow</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memoria esaurita</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Divisione per zero</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Tipo non corrispondente</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>File non trovato</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Percorso non trovato</translation>
    </message>
    <message>
        <source>Resource not found</source>
        <translation>Risorsa non trovata</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Immagine non valida</translation>
    </message>
</context>
<context>
    <name>shell::Form1</name>
    <message>
        <source>How many questions would you like to ask before ending?</source>
        <extracomment>The count box&apos;s frame, and the box&apos;s name to a screen reader</extracomment>
        <translation>Quante domande deve avere il test?</translation>
    </message>
    <message>
        <source>Start Test</source>
        <translation>Inizia il test</translation>
    </message>
    <message>
        <source>Study First Before Taking Test</source>
        <translation>Studia prima del test</translation>
    </message>
    <message>
        <source>Review Braille Letters</source>
        <translation>Ripassa le lettere braille</translation>
    </message>
    <message>
        <source>Waiting for answer</source>
        <extracomment>The first question&apos;s status line, before any answer</extracomment>
        <translation>In attesa di risposta</translation>
    </message>
</context>
</TS>

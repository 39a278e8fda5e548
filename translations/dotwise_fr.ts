<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>quiz</name>
    <message>
        <source>Resource with identifier &apos;%1&apos; not found</source>
        <translation>Ressource d’identifiant «&#xa0;%1&#xa0;» introuvable</translation>
    </message>
    <message numerus="yes">
        <source>dots %1</source>
        <extracomment>A cell&apos;s raised dots as a screen reader speaks them; %1 is their numbers, e.g. &quot;1 2 4&quot;. Singular and plural by how many there are.</extracomment>
        <translation>
            <numerusform>point %1</numerusform>
            <numerusform>points %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quiz::Form2</name>
    <message>
        <source>Braille cell</source>
        <translation>Cellule braille</translation>
    </message>
    <message>
        <source>Correct with %1</source>
        <extracomment>The status line after a right answer; %1 is the letter chosen.</extracomment>
        <translation>Juste&#xa0;: %1</translation>
    </message>
    <message>
        <source>Wrong. Correct answer was %1</source>
        <extracomment>The status line after a wrong answer; %1 is the right letter.</extracomment>
        <translation>Faux. La bonne réponse était %1</translation>
    </message>
    <message>
        <source>Choose the valid letter</source>
        <translation>Choisissez la bonne lettre</translation>
    </message>
    <message>
        <source>Last Question Status</source>
        <translation>Dernière réponse</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <extracomment>Shown only until the last answer&apos;s outcome replaces it</extracomment>
        <translation>Barre d’état</translation>
    </message>
</context>
<context>
    <name>review::Form3</name>
    <message>
        <source>Tab moves to %1</source>
        <extracomment>A hint a screen reader speaks; %1 is the button&apos;s text.</extracomment>
        <translation>Tab mène au bouton %1</translation>
    </message>
    <message>
        <source>Correct Words</source>
        <extracomment>The letters answered right: a list&apos;s header and name</extracomment>
        <translation>Lettres justes</translation>
    </message>
    <message>
        <source>Wrong Words</source>
        <extracomment>The letters answered wrongly: a list&apos;s header and name</extracomment>
        <translation>Lettres fausses</translation>
    </message>
    <message>
        <source>Number of Correct: %1</source>
        <translation>Bonnes réponses&#xa0;: %1</translation>
    </message>
    <message>
        <source>Number of Wrong: %1</source>
        <translation>Mauvaises réponses&#xa0;: %1</translation>
    </message>
    <message>
        <source>Percentage: %1%</source>
        <extracomment>%1 is the share of right answers, e.g. 87.5</extracomment>
        <translation>Pourcentage&#xa0;: %1&#xa0;%</translation>
    </message>
    <message>
        <source>Summary Result</source>
        <extracomment>The summary&apos;s frame, and its name to a screen reader</extracomment>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Number of Correct:</source>
        <translation>Bonnes réponses&#xa0;:</translation>
    </message>
    <message>
        <source>Number of Wrong:</source>
        <translation>Mauvaises réponses&#xa0;:</translation>
    </message>
    <message>
        <source>Percentage:</source>
        <translation>Pourcentage&#xa0;:</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Fermer la fenêtre</translation>
    </message>
</context>
<context>
    <name>review::Form4</name>
    <message>
        <source>Braille cell</source>
        <translation>Cellule braille</translation>
    </message>
    <message>
        <source>Tab moves to %1</source>
        <extracomment>A hint a screen reader speaks; %1 is the button&apos;s text.</extracomment>
        <translation>Tab mène au bouton %1</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
</context>
<context>
    <name>shell</name>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>Veuillez envoyer une capture d’écran de ce message par courriel à %1</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Erreur de l’application</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Erreur définie par l’application ou par l’objet</translation>
    </message>
    <message>
        <source>Cannot save the setting to %1</source>
        <translation>Impossible d’enregistrer le réglage dans %1</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Appel de procédure ou argument incorrect</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Division par zéro</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Type incompatible</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Chemin introuvable</translation>
    </message>
    <message>
        <source>Resource not found</source>
        <translation>Ressource introuvable</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Image non valide</translation>
    </message>
</context>
<context>
    <name>shell::Form1</name>
    <message>
        <source>How many questions would you like to ask before ending?</source>
        <extracomment>The count box&apos;s frame, and the box&apos;s name to a screen reader</extracomment>
        <translation>Combien de questions le test doit-il comporter&#xa0;?</translation>
    </message>
    <message>
        <source>Start Test</source>
        <translation>Commencer le test</translation>
    </message>
    <message>
        <source>Study First Before Taking Test</source>
        <translation>Étudier avant le test</translation>
    </message>
    <message>
        <source>Review Braille Letters</source>
        <translation>Revoir les lettres braille</translation>
    </message>
    <message>
        <source>Waiting for answer</source>
        <extracomment>The first question&apos;s status line, before any answer</extracomment>
        <translation>En attente de réponse</translation>
    </message>
</context>
</TS>

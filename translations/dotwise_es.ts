<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>quiz</name>
    <message>
        <source>Resource with identifier &apos;%1&apos; not found</source>
        <translation>No se encontró el recurso con el identificador «%1»</translation>
    </message>
    <message numerus="yes">
        <source>dots %1</source>
        <extracomment>A cell&apos;s raised dots as a screen reader speaks them; %1 is their numbers, e.g. &quot;1 2 4&quot;. Singular and plural by how many there are.</extracomment>
        <translation>
            <numerusform>punto %1</numerusform>
            <numerusform>puntos %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quiz::Form2</name>
    <message>
        <source>Braille cell</source>
        <translation>Celda braille</translation>
    </message>
    <message>
        <source>Correct with %1</source>
        <extracomment>The status line after a right answer; %1 is the letter chosen.</extracomment>
        <translation>Correcto: %1</translation>
    </message>
    <message>
        <source>Wrong. Correct answer was %1</source>
        <extracomment>The status line after a wrong answer; %1 is the right letter.</extracomment>
        <translation>Incorrecto. La respuesta correcta era %1</translation>
    </message>
    <message>
        <source>Choose the valid letter</source>
        <translation>Elija la letra correcta</translation>
    </message>
    <message>
        <source>Last Question Status</source>
        <translation>Última respuesta</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <extracomment>Shown only until the last answer&apos;s outcome replaces it</extracomment>
        <translation>Barra de estado</translation>
    </message>
</context>
<context>
    <name>review::Form3</name>
    <message>
        <source>Tab moves to %1</source>
        <extracomment>A hint a screen reader speaks; %1 is the button&apos;s text.</extracomment>
        <translation>Tab lleva al botón %1</translation>
    </message>
    <message>
        <source>Correct Words</source>
        <extracomment>The letters answered right: a list&apos;s header and name</extracomment>
        <translation>Letras correctas</translation>
    </message>
    <message>
        <source>Wrong Words</source>
        <extracomment>The letters answered wrongly: a list&apos;s header and name</extracomment>
        <translation>Letras incorrectas</translation>
    </message>
    <message>
        <source>Number of Correct: %1</source>
        <translation>Respuestas correctas: %1</translation>
    </message>
    <message>
        <source>Number of Wrong: %1</source>
        <translation>Respuestas incorrectas: %1</translation>
    </message>
    <message>
        <source>Percentage: %1%</source>
        <extracomment>%1 is the share of right answers, e.g. 87.5</extracomment>
        <translation>Porcentaje: %1&#xa0;%</translation>
    </message>
    <message>
        <source>Summary Result</source>
        <extracomment>The summary&apos;s frame, and its name to a screen reader</extracomment>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Number of Correct:</source>
        <translation>Respuestas correctas:</translation>
    </message>
    <message>
        <source>Number of Wrong:</source>
        <translation>Respuestas incorrectas:</translation>
    </message>
    <message>
        <source>Percentage:</source>
        <translation>Porcentaje:</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Cerrar la ventana</translation>
    </message>
</context>
<context>
    <name>review::Form4</name>
    <message>
        <source>Braille cell</source>
        <translation>Celda braille</translation>
    </message>
    <message>
        <source>Tab moves to %1</source>
        <extracomment>A hint a screen reader speaks; %1 is the button&apos;s text.</extracomment>
        <translation>Tab lleva al botón %1</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
</context>
<context>
    <name>shell</name>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>Envíe una captura de pantalla de este mensaje por correo electrónico a %1</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Error de la aplicación</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Error definido por la aplicación o por el objeto</translation>
    </message>
    <message>
        <source>Cannot save the setting to %1</source>
        <translation>No se puede guardar el ajuste en %1</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Llamada a procedimiento o argumento no válido</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Desbordamiento</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memoria insuficiente</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>División por cero</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Los tipos no coinciden</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>No se encontró el archivo</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>No se encontró la ruta</translation>
    </message>
    <message>
        <source>Resource not found</source>
        <translation>No se encontró el recurso</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Imagen no válida</translation>
    </message>
</context>
<context>
    <name>shell::Form1</name>
    <message>
        <source>How many questions would you like to ask before ending?</source>
        <extracomment>The count box&apos;s frame, and the box&apos;s name to a screen reader</extracomment>
        <translation>¿Cuántas preguntas debe tener la prueba?</translation>
    </message>
    <message>
        <source>Start Test</source>
        <translation>Empezar la prueba</translation>
    </message>
    <message>
        <source>Study First Before Taking Test</source>
        <translation>Estudiar antes de la prueba</translation>
    </message>
    <message>
        <source>Review Braille Letters</source>
        <translation>Repasar las letras braille</translation>
    </message>
    <message>
        <source>Waiting for answer</source>
        <extracomment>The first question&apos;s status line, before any answer</extracomment>
        <translation>Esperando respuesta</translation>
    </message>
</context>
</TS>

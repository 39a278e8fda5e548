<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>quiz</name>
    <message>
        <source>Resource with identifier &apos;%1&apos; not found</source>
        <translation>Recurso com o identificador “%1” não encontrado</translation>
    </message>
    <message numerus="yes">
        <source>dots %1</source>
        <extracomment>A cell&apos;s raised dots as a screen reader speaks them; %1 is their numbers, e.g. &quot;1 2 4&quot;. Singular and plural by how many there are.</extracomment>
        <translation>
            <numerusform>ponto %1</numerusform>
            <numerusform>pontos %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quiz::Form2</name>
    <message>
        <source>Braille cell</source>
        <translation>Cela braille</translation>
    </message>
    <message>
        <source>Correct with %1</source>
        <extracomment>The status line after a right answer; %1 is the letter chosen.</extracomment>
        <translation>Certo: %1</translation>
    </message>
    <message>
        <source>Wrong. Correct answer was %1</source>
        <extracomment>The status line after a wrong answer; %1 is the right letter.</extracomment>
        <translation>Errado. A resposta certa era %1</translation>
    </message>
    <message>
        <source>Choose the valid letter</source>
        <translation>Escolha a letra certa</translation>
    </message>
    <message>
        <source>Last Question Status</source>
        <translation>Última resposta</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <extracomment>Shown only until the last answer&apos;s outcome replaces it</extracomment>
        <translation>Barra de status</translation>
    </message>
</context>
<context>
    <name>review::Form3</name>
    <message>
        <source>Tab moves to %1</source>
        <extracomment>A hint a screen reader speaks; %1 is the button&apos;s text.</extracomment>
        <translation>Tab leva ao botão %1</translation>
    </message>
    <message>
        <source>Correct Words</source>
        <extracomment>The letters answered right: a list&apos;s header and name</extracomment>
        <translation>Letras certas</translation>
    </message>
    <message>
        <source>Wrong Words</source>
        <extracomment>The letters answered wrongly: a list&apos;s header and name</extracomment>
        <translation>Letras erradas</translation>
    </message>
    <message>
        <source>Number of Correct: %1</source>
        <translation>Respostas certas: %1</translation>
    </message>
    <message>
        <source>Number of Wrong: %1</source>
        <translation>Respostas erradas: %1</translation>
    </message>
    <message>
        <source>Percentage: %1%</source>
        <extracomment>%1 is the share of right answers, e.g. 87.5</extracomment>
        <translation>Porcentagem: %1%</translation>
    </message>
    <message>
        <source>Summary Result</source>
        <extracomment>The summary&apos;s frame, and its name to a screen reader</extracomment>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Number of Correct:</source>
        <translation>Respostas certas:</translation>
    </message>
    <message>
        <source>Number of Wrong:</source>
        <translation>Respostas erradas:</translation>
    </message>
    <message>
        <source>Percentage:</source>
        <translation>Porcentagem:</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Fechar a janela</translation>
    </message>
</context>
<context>
    <name>review::Form4</name>
    <message>
        <source>Braille cell</source>
        <translation>Cela braille</translation>
    </message>
    <message>
        <source>Tab moves to %1</source>
        <extracomment>A hint a screen reader speaks; %1 is the button&apos;s text.</extracomment>
        <translation>Tab leva ao botão %1</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Próxima</translation>
    </message>
</context>
<context>
    <name>shell</name>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>Envie uma captura de tela desta mensagem por e-mail para %1</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Erro do aplicativo</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Erro definido pelo aplicativo ou pelo objeto</translation>
    </message>
    <message>
        <source>Cannot save the setting to %1</source>
        <translation>Não é possível salvar a configuração em %1</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Chamada de procedimento ou argumento inválido</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Estouro de capacidade</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memória insuficiente</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Divisão por zero</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Tipos incompatíveis</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Arquivo não encontrado</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Caminho não encontrado</translation>
    </message>
    <message>
        <source>Resource not found</source>
        <translation>Recurso não encontrado</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Imagem inválida</translation>
    </message>
</context>
<context>
    <name>shell::Form1</name>
    <message>
        <source>How many questions would you like to ask before ending?</source>
        <extracomment>The count box&apos;s frame, and the box&apos;s name to a screen reader</extracomment>
        <translation>Quantas perguntas o teste deve ter?</translation>
    </message>
    <message>
        <source>Start Test</source>
        <translation>Iniciar o teste</translation>
    </message>
    <message>
        <source>Study First Before Taking Test</source>
        <translation>Estudar antes do teste</translation>
    </message>
    <message>
        <source>Review Braille Letters</source>
        <translation>Revisar as letras em braille</translation>
    </message>
    <message>
        <source>Waiting for answer</source>
        <extracomment>The first question&apos;s status line, before any answer</extracomment>
        <translation>Aguardando resposta</translation>
    </message>
</context>
</TS>

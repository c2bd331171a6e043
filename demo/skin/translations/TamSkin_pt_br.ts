<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>TamSkin</name>
    <message>
        <source>&lt;a href="reader" style="color:#9fd3ff;"&gt;Need a PDF reader? Get one here.&lt;/a&gt;</source>
        <translation>&lt;a href="reader" style="color:#9fd3ff;"&gt;Precisa de um leitor de PDF? Obtenha um aqui.&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Additional material for this scanner.</source>
        <translation>Material adicional para este scanner.</translation>
    </message>
    <message>
        <source>Back to the main menu</source>
        <translation>Voltar ao menu principal</translation>
    </message>
    <message>
        <source>Back to the user guides</source>
        <translation>Voltar aos guias</translation>
    </message>
    <message>
        <source>Browse the %1 contents</source>
        <translation>Explorar o conteúdo do %1</translation>
    </message>
    <message>
        <source>Clear the download cache</source>
        <translation>Limpar o cache de downloads</translation>
    </message>
    <message>
        <source>Close now</source>
        <translation>Fechar agora</translation>
    </message>
    <message>
        <source>DO_NOT_TRANSLATE are registered trademarks. All other names belong to their owners.</source>
        <translation>DO_NOT_TRANSLATE são marcas registradas. Os demais nomes pertencem a seus proprietários.</translation>
    </message>
    <message>
        <source>Disc</source>
        <translation>Disco</translation>
    </message>
    <message>
        <source>Everything you need to get your scanner working.</source>
        <translation>Tudo o que você precisa para usar o seu scanner.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Guides for the scanner and for its software.</source>
        <translation>Guias do scanner e do seu software.</translation>
    </message>
    <message>
        <source>Install software</source>
        <translation>Instalar software</translation>
    </message>
    <message>
        <source>Installation notes, system requirements and last-minute changes for this scanner.</source>
        <translation>Notas de instalação, requisitos do sistema e alterações de última hora para este scanner.</translation>
    </message>
    <message>
        <source>Installing...</source>
        <translation>Instalando...</translation>
    </message>
    <message>
        <source>Main menu</source>
        <translation>Menu principal</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Mais</translation>
    </message>
    <message>
        <source>Newer versions are available on the web.</source>
        <translation>Há versões mais recentes disponíveis na Web.</translation>
    </message>
    <message>
        <source>Read me first</source>
        <translation>Leia-me primeiro</translation>
    </message>
    <message>
        <source>Scanner documents</source>
        <translation>Documentos do scanner</translation>
    </message>
    <message>
        <source>Software documents</source>
        <translation>Documentos do software</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Velocidade:</translation>
    </message>
    <message>
        <source>Thank you</source>
        <translation>Obrigado</translation>
    </message>
    <message>
        <source>Thank you for choosing this scanner. The setup program closes in a few seconds.</source>
        <translation>Obrigado por escolher este scanner. O instalador será fechado em alguns segundos.</translation>
    </message>
    <message>
        <source>Tick what you want to install, then press Install or Download.</source>
        <translation>Marque o que deseja instalar e clique em Instalar ou Baixar.</translation>
    </message>
    <message>
        <source>Time remaining:</source>
        <translation>Tempo restante:</translation>
    </message>
    <message>
        <source>Total download size:</source>
        <translation>Tamanho total do download:</translation>
    </message>
    <message>
        <source>User guides</source>
        <translation>Guias do usuário</translation>
    </message>
    <message>
        <source>Visit the support web site</source>
        <translation>Visitar o site de suporte</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>Web</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Bem-vindo</translation>
    </message>
</context>
</TS>

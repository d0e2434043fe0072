<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Core</name>
    <message>
        <source>Please choose an output directory first.</source>
        <translation>Escolha primeiro uma pasta de destino.</translation>
    </message>
    <message>
        <source>Cannot open clipboard</source>
        <translation>Não é possível abrir a área de transferência</translation>
    </message>
    <message>
        <source>The page could not be printed</source>
        <translation>Não foi possível imprimir a página</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erro desconhecido</translation>
    </message>
    <message>
        <source>Select a directory to save the files.</source>
        <translation>Selecione uma pasta para salvar os arquivos.</translation>
    </message>
    <message>
        <source>Yahoo Messenger dat files (*.dat)</source>
        <translation>Arquivos dat do Yahoo Messenger (*.dat)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Arquivo não encontrado</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Acesso ao arquivo negado</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Ativado</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Desativado</translation>
    </message>
    <message>
        <source>Show all</source>
        <translation>Mostrar tudo</translation>
    </message>
    <message>
        <source>Favorite conversations</source>
        <translation>Conversas favoritas</translation>
    </message>
    <message>
        <source>Yahoo ID: </source>
        <translation>ID do Yahoo: </translation>
    </message>
    <message>
        <source>Yahoo ID: multiple</source>
        <translation>ID do Yahoo: vários</translation>
    </message>
    <message>
        <source>Local user</source>
        <translation>Usuário local</translation>
    </message>
    <message>
        <source>Friend</source>
        <translation>Amigo</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>messages</source>
        <translation>mensagens</translation>
    </message>
    <message>
        <source>words</source>
        <translation>palavras</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>bytes</translation>
    </message>
    <message>
        <source>avg words/message</source>
        <translation>média de palavras/mensagem</translation>
    </message>
    <message>
        <source>avg word length</source>
        <translation>tamanho médio das palavras</translation>
    </message>
    <message>
        <source>avg bytes/message</source>
        <translation>média de bytes/mensagem</translation>
    </message>
    <message>
        <source>conversations started</source>
        <translation>conversas iniciadas</translation>
    </message>
    <message>
        <source>Identity</source>
        <translation>Identidade</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Hora de início</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Hora de término</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Palavras</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Nome do arquivo</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Relevância</translation>
    </message>
</context>
<context>
    <name>ExportActions</name>
    <message>
        <source>HTML file (*.html);;All files (*)</source>
        <translation>Arquivo HTML (*.html);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Text file (*.txt);;All files (*)</source>
        <translation>Arquivo de texto (*.txt);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Saving conversations...</source>
        <translation>Salvando conversas...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>FileActions</name>
    <message>
        <source>Select a directory from which to read the archive.</source>
        <translation>Selecione a pasta da qual o histórico será lido.</translation>
    </message>
    <message>
        <source>Select another archive folder to read with the one shown.</source>
        <translation>Selecione outra pasta de histórico para ler junto com a exibida.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1 files?<byte value="xd"/>
</source>
        <translation>Tem certeza de que deseja excluir %1 arquivos?<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1 files permanently?<byte value="xd"/>
</source>
        <translation>Tem certeza de que deseja excluir %1 arquivos permanentemente?<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>There is no trash here: they are deleted for good.</source>
        <translation>Não há lixeira aqui: eles serão excluídos definitivamente.</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Confirmação</translation>
    </message>
    <message>
        <source>1 file cannot be moved to the trash. Delete it permanently?</source>
        <translation>Não é possível mover 1 arquivo para a lixeira. Excluí-lo permanentemente?</translation>
    </message>
    <message>
        <source>%1 files cannot be moved to the trash. Delete them permanently?</source>
        <translation>Não é possível mover %1 arquivos para a lixeira. Excluí-los permanentemente?</translation>
    </message>
    <message>
        <source>They are moved to the trash, from where they can be restored.</source>
        <translation>Eles serão movidos para a lixeira, de onde podem ser restaurados.</translation>
    </message>
</context>
<context>
    <name>HelpActions</name>
    <message>
        <source>The guide was not found. It belongs in
%1

Installing the program again puts it back.</source>
        <translation>O guia não foi encontrado. Ele deveria estar em
%1

Reinstale o programa para restaurá-lo.</translation>
    </message>
</context>
<context>
    <name>KeepActions</name>
    <message>
        <source>Save conversations as a website</source>
        <translation>Salvar conversas como site</translation>
    </message>
    <message>
        <source>Save conversations as JSON files</source>
        <translation>Salvar conversas como arquivos JSON</translation>
    </message>
    <message>
        <source>All conversations listed</source>
        <translation>Todas as conversas da lista</translation>
    </message>
    <message>
        <source>Only selected</source>
        <translation>Somente as selecionadas</translation>
    </message>
    <message>
        <source>Selected contacts</source>
        <translation>Contatos selecionados</translation>
    </message>
    <message>
        <source>The website has been saved in
%1

Open it now?</source>
        <translation>O site foi salvo em
%1

Abri-lo agora?</translation>
    </message>
    <message>
        <source>Save as website</source>
        <translation>Salvar como site</translation>
    </message>
</context>
<context>
    <name>PrintActions</name>
    <message>
        <source>%1 conversations printed out of %2</source>
        <translation>%1 de %2 conversas impressas</translation>
    </message>
</context>
<context>
    <name>orvex::ContactTreePanel</name>
    <message>
        <source>No message archives were found in this folder.

To choose the folder that holds them, click the &quot;...&quot; button beside the path box, or choose &quot;Open message archive folder...&quot; in the File menu.</source>
        <translation>Nenhum histórico de mensagens foi encontrado nesta pasta.

Para escolher a pasta que os contém, clique no botão &quot;...&quot; ao lado da caixa do caminho ou escolha &quot;Abrir pasta do histórico...&quot; no menu Arquivo.</translation>
    </message>
    <message>
        <source>Message archiving: </source>
        <translation>Arquivamento de mensagens: </translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>Filtro:</translation>
    </message>
    <message>
        <source>Also read: 1 more archive folder</source>
        <translation>Também é lida: mais 1 pasta de histórico</translation>
    </message>
    <message>
        <source>Also read: %1 more archive folders</source>
        <translation>Também são lidas: mais %1 pastas de histórico</translation>
    </message>
    <message>
        <source> (%1 gone or without archives, left out)</source>
        <translation> (%1 inexistentes ou sem histórico, omitidas)</translation>
    </message>
    <message>
        <source>Missing:
</source>
        <translation>Ausentes:
</translation>
    </message>
    <message>
        <source>Read with:
</source>
        <translation>Lida junto com:
</translation>
    </message>
    <message>
        <source>Message archiving: click to switch it</source>
        <translation>Arquivamento de mensagens: clique para alterná-lo</translation>
    </message>
    <message>
        <source>Archive folder</source>
        <translation>Pasta do histórico</translation>
    </message>
    <message>
        <source>The folder the message archives are read from</source>
        <translation>A pasta de onde o histórico de mensagens é lido</translation>
    </message>
    <message>
        <source>Choose the archive folder</source>
        <translation>Escolher a pasta do histórico</translation>
    </message>
    <message>
        <source>Identities and contacts</source>
        <translation>Identidades e contatos</translation>
    </message>
    <message>
        <source>Filter contacts</source>
        <translation>Filtrar contatos</translation>
    </message>
    <message>
        <source>enabled</source>
        <translation>ativado</translation>
    </message>
</context>
<context>
    <name>orvex::FindBar</name>
    <message>
        <source>Find in view</source>
        <translation>Localizar na visualização</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Próximo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Não encontrado</translation>
    </message>
</context>
<context>
    <name>orvex::ListPanel</name>
    <message>
        <source>Search</source>
        <translation>Pesquisar</translation>
    </message>
    <message>
        <source>Conversations</source>
        <translation>Conversas</translation>
    </message>
    <message>
        <source>Search: </source>
        <translation>Pesquisa: </translation>
    </message>
    <message>
        <source>Search text</source>
        <translation>Texto da pesquisa</translation>
    </message>
    <message>
        <source>Searches the conversations listed for this text</source>
        <translation>Pesquisa este texto nas conversas listadas</translation>
    </message>
    <message>
        <source>Conversation list tabs</source>
        <translation>Abas da lista de conversas</translation>
    </message>
</context>
<context>
    <name>orvex::LongActionRunner</name>
    <message>
        <source>%1 files processed out of %2</source>
        <translation>%1 de %2 arquivos processados</translation>
    </message>
    <message>
        <source>%1 files searched out of %2</source>
        <translation>%1 de %2 arquivos pesquisados</translation>
    </message>
    <message>
        <source>%1 files saved out of %2</source>
        <translation>%1 de %2 arquivos salvos</translation>
    </message>
</context>
<context>
    <name>orvex::StatisticsPanel</name>
    <message>
        <source>Statistics</source>
        <translation>Estatísticas</translation>
    </message>
    <message>
        <source>Messages, words and bytes of the conversations shown</source>
        <translation>Mensagens, palavras e bytes das conversas exibidas</translation>
    </message>
</context>
<context>
    <name>orvex::TfrmAbout</name>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Messenger Archive Viewer </source>
        <translation>Messenger Archive Viewer </translation>
    </message>
    <message>
        <source>Version 1.02</source>
        <translation>Versão 1.02</translation>
    </message>
    <message>
        <source>Free to use and to share; provided as is, without warranty.</source>
        <translation>Livre para usar e compartilhar; fornecido como está, sem garantia.</translation>
    </message>
    <message>
        <source>Homepage:</source>
        <translation>Página inicial:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>orvex::TfrmMain</name>
    <message>
        <source>Open message archive folder...</source>
        <translation>Abrir pasta do histórico...</translation>
    </message>
    <message>
        <source>Open .dat file...</source>
        <translation>Abrir arquivo .dat...</translation>
    </message>
    <message>
        <source>Add archive folder...</source>
        <translation>Adicionar pasta de histórico...</translation>
    </message>
    <message>
        <source>Remove added archive folders</source>
        <translation>Remover pastas de histórico adicionadas</translation>
    </message>
    <message>
        <source>Save as HTML...</source>
        <translation>Salvar como HTML...</translation>
    </message>
    <message>
        <source>Save as text...</source>
        <translation>Salvar como texto...</translation>
    </message>
    <message>
        <source>Save as individual HTML files...</source>
        <translation>Salvar como arquivos HTML individuais...</translation>
    </message>
    <message>
        <source>Save as individual text files...</source>
        <translation>Salvar como arquivos de texto individuais...</translation>
    </message>
    <message>
        <source>Save as website...</source>
        <translation>Salvar como site...</translation>
    </message>
    <message>
        <source>Save as JSON files...</source>
        <translation>Salvar como arquivos JSON...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimir...</translation>
    </message>
    <message>
        <source>Print preview...</source>
        <translation>Visualizar impressão...</translation>
    </message>
    <message>
        <source>Page setup...</source>
        <translation>Configurar página...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Format toolbar</source>
        <translation>Barra de formatação</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estatísticas</translation>
    </message>
    <message>
        <source>Message viewer</source>
        <translation>Visualizador de mensagens</translation>
    </message>
    <message>
        <source>Add to favorites</source>
        <translation>Adicionar aos favoritos</translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <translation>Copiar para a área de transferência</translation>
    </message>
    <message>
        <source>Copy html code to clipboard</source>
        <translation>Copiar código HTML para a área de transferência</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Show in Explorer</source>
        <translation>Mostrar no Explorer</translation>
    </message>
    <message>
        <source>Select all messages</source>
        <translation>Selecionar todas as mensagens</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>Página inicial</translation>
    </message>
    <message>
        <source>Forum</source>
        <translation>Fórum</translation>
    </message>
    <message>
        <source>Suggestions and bugs reports</source>
        <translation>Sugestões e relatórios de erros</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Sobre...</translation>
    </message>
    <message>
        <source>Remove from favorites</source>
        <translation>Remover dos favoritos</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>E&amp;xibir</translation>
    </message>
    <message>
        <source>&amp;Conversation</source>
        <translation>&amp;Conversa</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Forum</source>
        <translation>&amp;Fórum</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Reading files...</source>
        <translation>Lendo arquivos...</translation>
    </message>
    <message>
        <source>Orvex Yahoo Message Archive Reader is currently reading archive files</source>
        <translation>Orvex Yahoo Message Archive Reader está lendo os arquivos do histórico</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Orvex Messenger Archive</source>
        <translation>Orvex Messenger Archive</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Guia</translation>
    </message>
    <message>
        <source>Opens the guide shipped with the program</source>
        <translation>Abre o guia que acompanha o programa</translation>
    </message>
    <message>
        <source>Opens the forum in the web browser</source>
        <translation>Abre o fórum no navegador</translation>
    </message>
    <message>
        <source>Files read</source>
        <translation>Arquivos lidos</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Search box</source>
        <translation>Caixa de pesquisa</translation>
    </message>
    <message>
        <source>Opens a menu</source>
        <translation>Abre um menu</translation>
    </message>
    <message>
        <source>Find in view...</source>
        <translation>Localizar na visualização...</translation>
    </message>
    <message>
        <source>Find next</source>
        <translation>Localizar próximo</translation>
    </message>
    <message>
        <source>Find previous</source>
        <translation>Localizar anterior</translation>
    </message>
</context>
<context>
    <name>orvex::TfrmOpenDat</name>
    <message>
        <source>Open .dat files</source>
        <translation>Abrir arquivos .dat</translation>
    </message>
    <message>
        <source>File (s):</source>
        <translation>Arquivo(s):</translation>
    </message>
    <message>
        <source>Select files</source>
        <translation>Selecionar arquivos</translation>
    </message>
    <message>
        <source>Username (needed for decoding the archive file):</source>
        <translation>Nome de usuário (necessário para decodificar o arquivo do histórico):</translation>
    </message>
    <message>
        <source>Username of the friend:</source>
        <translation>Nome de usuário do amigo:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>(multiple files)</source>
        <translation>(vários arquivos)</translation>
    </message>
    <message>
        <source>Error: please select at least one file.</source>
        <translation>Erro: selecione pelo menos um arquivo.</translation>
    </message>
</context>
<context>
    <name>orvex::TfrmSaveDir</name>
    <message>
        <source>Save conversations to HTML files</source>
        <translation>Salvar conversas em arquivos HTML</translation>
    </message>
    <message>
        <source>Save conversations to plain text files</source>
        <translation>Salvar conversas em arquivos de texto simples</translation>
    </message>
    <message>
        <source>Selected conversations</source>
        <translation>Conversas selecionadas</translation>
    </message>
    <message>
        <source>Selected contacts</source>
        <translation>Contatos selecionados</translation>
    </message>
    <message>
        <source>All the archive</source>
        <translation>Todo o histórico</translation>
    </message>
    <message>
        <source>Output directory</source>
        <translation>Pasta de destino</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>orvex::ViewerPanel</name>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Bold, italic, underline</source>
        <translation>Negrito, itálico, sublinhado</translation>
    </message>
    <message>
        <source>Fonts and colors</source>
        <translation>Fontes e cores</translation>
    </message>
    <message>
        <source>Smileys images</source>
        <translation>Imagens de emoticons</translation>
    </message>
    <message>
        <source>Raw</source>
        <translation>Bruto</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Conversation page</source>
        <translation>Página da conversa</translation>
    </message>
    <message>
        <source>The conversations chosen in the list</source>
        <translation>As conversas escolhidas na lista</translation>
    </message>
</context>
</TS>

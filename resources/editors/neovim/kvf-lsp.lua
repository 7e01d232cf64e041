-- KVF files in Neovim (0.7 or later) with kvf-lsp: put this in ~/.config/nvim/init.lua.
vim.api.nvim_create_autocmd({ 'BufRead', 'BufNewFile' }, {
  pattern = { '*.kv?', '*.KV?', '*.Kv?', '*.kV?' },
  callback = function() vim.bo.filetype = 'kvf' end,
})
local kvf_client
vim.api.nvim_create_autocmd('FileType', {
  pattern = 'kvf',
  callback = function(args)
    kvf_client = kvf_client or vim.lsp.start_client({
      name = 'kvf-lsp',
      cmd = { 'kvf-lsp' },
      root_dir = vim.fn.getcwd(),
      -- init_options = { settingsFile = '/path/to/settings.ini' },
    })
    vim.lsp.buf_attach_client(args.buf, kvf_client)
    vim.bo[args.buf].commentstring = '; %s'
  end,
})
